#pragma once
// The depreciation schedule of an asset: one entry point over the roads of the methods (the
// MACRS tables, mid-quarter, real property, ADS, straight line and amortisation, the vehicle
// limits), and what comes out, all as numbers.

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/asset.h"
#include "engine/vehicle_limits.h"

namespace orvane {

// One year of the schedule.
struct ScheduleRow {
    int year_number;      // 1 for the year placed in service
    int year;             // its calendar year
    double depreciation;  // the year's amount, as worked out
    // The basis less the allowance and the years so far, each rounded to cents; 0 below 1.
    double basis_left;
};

// The step of the schedule at which something was met.
enum class Step : std::uint8_t {
    Calculation,      // reading the asset's basis and life, a straight-line or ADS year, the sale
    MacrsTable,       // a year of a MACRS table (`quarter` gives the table)
    Row,              // a row's basis left
    Vehicle,          // the vehicle road: its basis, its limits, the first year's cap, the sale
    AllowanceCapped,  // no fault: a vehicle's allowance was cut to its first-year limit
};

// A fault that a step met, in the order met. A year whose amount faulted goes on with none; a
// row that faulted is left out; a fault of the calculation outside any step ends it.
struct ScheduleFault {
    Step step;
    int number;         // the fault's number; 0 with AllowanceCapped
    int year_number;    // the year being worked out; 0 before the years
    int quarter = 0;    // of a MACRS table: 0 half year, 1 to 4 mid-quarter
    double amount = 0;  // AllowanceCapped: the limit times the business use
};

// The method named for the schedule.
enum class Caption : std::uint8_t {
    None,
    Macrs200,           // MACRS 200% declining balance
    Macrs150,           // MACRS 150% declining balance
    MacrsStraightLine,  // MACRS real property
    Ads,
    LuxuryAuto,  // MACRS 200% under the vehicle limits
};

// How the schedule ended.
enum class Ending : std::uint8_t {
    Completed,
    Stopped,              // by a fault outside any step
    NoLifeOrClass,        // neither a recovery period nor a class
    NoBusinessUse,        // a vehicle without business use
    NoLimitSource,        // a vehicle, and nowhere to look its limits up
    NoVehicleLimits,      // a vehicle whose year has no limits
    VehicleBeyond43Years  // a vehicle whose basis lasts beyond 43 years
};

// An amount that the schedule works out for the asset alongside its rows: worked out, none, or
// left as it was before (it could not be worked out).
struct WorkedAmount {
    enum class State : std::uint8_t { Unchanged, None, Worked };
    State state = State::Unchanged;
    double value = 0;
};

struct Schedule {
    // Every year worked out, in order; a year without depreciation after the first included.
    std::vector<ScheduleRow> rows;
    std::vector<ScheduleFault> faults;
    Caption caption = Caption::None;
    Ending ending = Ending::Stopped;
    // The convention worked under, once the schedule got as far as choosing it.
    std::optional<Convention> convention;
    bool vehicle_road = false;   // the vehicle limits were applied
    WorkedAmount adjusted_cost;  // of an exchange (None without one)
    WorkedAmount allowance;      // Worked when a vehicle's allowance was capped

    // Empty again, keeping the room of its lists.
    void Clear();
};

// The schedule of `asset` into `out` (cleared first). The vehicle limits come from `limits`
// (none: a vehicle has no schedule).
void ComputeSchedule(const Asset& asset, VehicleLimitSource* limits, Schedule& out);

// A number as the working amounts hold it, to 15 significant digits: what a text of it with
// that many digits reads back as (0 for a number that is not finite, fault 6 beyond the range).
Reading Keep15Digits(double value);

}  // namespace orvane
