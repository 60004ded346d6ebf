#pragma once
// One run of ComputeSchedule: the asset, what has been worked out so far and where the schedule
// goes. Internal to the engine.

#include <cmath>
#include <cstdint>
#include <optional>

#include "base/fault.h"
#include "engine/rates.h"
#include "engine/schedule.h"

namespace orvane::detail {

class Calculation {
  public:
    Calculation(const Asset& asset, VehicleLimitSource* limits, Schedule& out)
        : a_(asset), limits_(limits), out_(out) {}
    void Run();

  private:
    // A step: a fault in it is met (recorded where it happened) and the schedule goes on with
    // the next one, with what the step would have set left as it was. Whether it completed.
    template <class F>
    bool Do(Step step, F&& statement, int quarter = 0) {
        try {
            statement();
            return true;
        } catch (const Fault& f) {
            Met(step, f.number(), quarter);
        }
        return false;
    }
    void Met(Step step, int number, int quarter = 0, double amount = 0);
    // The value of a reading; its fault where it could not be read.
    static double Use(const Reading& r) {
        if (r.fault != 0) Raise(r.fault);
        return r.value;
    }

    void Body();
    void Basis();
    bool Life();

    // The MACRS, ADS, straight-line and amortisation roads, year by year: each year's amount, 0
    // for a year the road has none for. (Plain doubles: an optional amount written in a step and
    // read after it costs a stall on every year.)
    void Years(double typed_life);
    double YearAmount(int year, double typed_life);
    double TableYear(int quarter, int year);
    double MacrsYear(int year);
    double MidQuarterYear(int year);
    double RealPropertyYear(RealProperty table, int year);
    double AdsYear(int year);
    double StraightLineYear(int year, double life);

    // The vehicle road: the MACRS 5-year rates under the yearly limits.
    void VehicleRoad();
    double VehicleCost(const VehicleLimits& limits, double cost);
    int CapAllowance(const VehicleLimits& limits);

    // The year of sale, and its part of the year's amount.
    bool IsSaleYear(int year) const;
    double CutSaleYear(double amount) const;

    // A year's row: the running total and the basis left.
    void Row(int year, double amount);
    void ReadRowBasis();

    // The working amounts as read back after they were written.
    void WriteAdjustedCost(double value);
    void WriteAllowance(double value);

    const Asset& a_;
    VehicleLimitSource* limits_;
    Schedule& out_;

    int year_ = 0;  // the year being worked out
    double basis_ = 0;
    double life_ = 0;
    std::int16_t row_count_ = 0;
    int quarter_ = 0;        // the in-service quarter under mid-quarter, else 0
    Reading adjusted_cost_;  // the adjusted cost as the rows read it back
    Reading allowance_;      // the allowance as every step reads it

    // What the rows count down from, read at the first row.
    bool row_basis_read_ = false;
    Reading row_basis_;
    double row_allowance_ = 0;
    double running_total_ = 0;
    double last_amount_ = 0, last_rounded_ = 0;  // the last year's amount rounded to cents
};

// An arithmetic result beyond the range of a double is an overflow.
inline double Fits(double value) {
    if (!std::isfinite(value)) Raise(fault::kOverflow);
    return value;
}

}  // namespace orvane::detail
