#pragma once
// What the assets placed in service in one tax year decide together: the mid-quarter test
// (section 168(d)(3)), the section 179 dollar limitation and the elections it cuts, and the
// vehicle limits that cap an election.

#include <optional>

#include "engine/register_types.h"
#include "engine/section179.h"

namespace orvane::reg {

// One year's vehicle limits in dollars, in the order of the limit files: the first year with
// the 30% allowance (2018 and 2019: acquired before 2017-09-28), the first year, the second,
// the third, the fourth and later, the first year with any other allowance.
struct VehicleLimitYear {
    long long bonus30_first = 0, first = 0, second = 0, third = 0, later = 0, bonus_first = 0;
    bool unconfirmed = false;
};

// The 2026 limits (Rev. Proc. 2026-15 as one secondary source cites it): the shipped limit
// files leave them out; the register computes with them and says so.
inline constexpr VehicleLimitYear kVehicleLimits2026 = {0,     12'300, 19'800, 11'900,
                                                        7'160, 20'300, true};

// The first year's limit for an asset with `allowance_percent`. The window's vehicle road
// (engine/vehicle_road.cpp) chooses among the same columns by its allowance but keeps its own
// choice: it reads each limit as typed, with that limit's fault, and has no 2018-2019 rule.
long long FirstYearVehicleLimit(const VehicleLimitYear& limits, int allowance_percent, Day acquired,
                                Day placed);

// What the assets of one tax year decide for each of them.
struct YearFacts {
    bool mid_quarter = false;
    // The year's elections exceed its dollar limitation: each asset's election is scaled by
    // limitation / elected (both in cents).
    Cents limitation = 0;
    Cents elected = 0;
    bool scaled() const { return elected > limitation; }
};

// The section 179 election of the asset as the year counts it: what the row elected, capped
// by the SUV limit and, for a passenger automobile or a light truck, by its first year's
// limit (business part).
Cents CappedElection(const AssetInput& asset, const VehicleLimitYear* limits);
// ...and after the year's dollar limitation.
Cents AllowedElection(Cents capped, const YearFacts& year);

// What the asset adds to its tax year's sums (placed in service that year): the bases of the
// mid-quarter test and the section 179 lines.
struct QuarterSums {
    Cents cost = 0, cost_q4 = 0;        // business cost of the property the test counts
    Cents elected = 0, elected_q4 = 0;  // its capped section 179 elections
    QuarterSums& operator+=(const QuarterSums& o);
};
// Whether the year is mid-quarter: the fourth quarter's bases (after section 179 and business
// use, before the allowance) more than 40% of the year's. With the year's elections scaled to
// the dollar limitation (`limitation` < `elected_total`), the bases are counted after the
// scaled elections, exactly.
bool MidQuarterYear(const QuarterSums& sums, Cents limitation, Cents elected_total);
// Whether the test counts the asset: MACRS personal property, not real property, not land,
// not placed in service and disposed of in the same year.
bool CountsForMidQuarter(const AssetInput& asset);

// What a tax year's assets add up.
struct YearSums {
    QuarterSums quarter;
    Section179Sums section179;
    YearSums& operator+=(const YearSums& o);
};
// Adds an asset placed in service in the year; `capped` is CappedElection's answer.
void AddToYear(const AssetInput& asset, Cents capped, YearSums& sums);
// The year's decision from its sums.
YearFacts DecideYear(int year, const YearSums& sums);

}  // namespace orvane::reg
