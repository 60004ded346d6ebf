#include "engine/tax_year.h"

#include <algorithm>

#include "engine/bonus_allowance.h"
#include "engine/register_rules.h"

namespace orvane::reg {

long long FirstYearVehicleLimit(const VehicleLimitYear& l, int pct, Day acquired, Day placed) {
    if (pct == 0) return l.first;
    const bool before_2017_10 = acquired < Day::Of(2017, 9, 28);
    const bool bonus30 =
        pct == 30 || (before_2017_10 && (placed.year() == 2018 || placed.year() == 2019));
    if (bonus30 && l.bonus30_first > 0) return l.bonus30_first;
    return l.bonus_first > 0 ? l.bonus_first : l.first;
}

Cents CappedElection(const AssetInput& a, const VehicleLimitYear* limits) {
    Cents e = a.section179;
    if (e == 0) return 0;
    if (a.kind == Kind::Suv) {
        if (const Section179Year* y = Section179For(a.placed.year()))
            e = std::min<Cents>(e, y->suv_cap * 100);
    }
    if ((a.kind == Kind::Auto || a.kind == Kind::Truck) && limits) {
        const int pct = AllowancePercent(a, RecoveryOfKind(a));
        const long long first =
            FirstYearVehicleLimit(*limits, pct, a.acquired_or_placed(), a.placed);
        e = std::min(e, BusinessPart(first * 100, a.business_bp));
    }
    return e;
}

Cents AllowedElection(Cents capped, const YearFacts& year) {
    if (!year.scaled() || capped == 0) return capped;
    return static_cast<Cents>(static_cast<Wide>(capped) * year.limitation / year.elected);
}

QuarterSums& QuarterSums::operator+=(const QuarterSums& o) {
    cost += o.cost;
    cost_q4 += o.cost_q4;
    elected += o.elected;
    elected_q4 += o.elected_q4;
    return *this;
}

bool MidQuarterYear(const QuarterSums& s, Cents limitation, Cents elected_total) {
    Wide q4 = s.cost_q4 - s.elected_q4;
    Wide all = s.cost - s.elected;
    if (elected_total > limitation) {
        q4 = static_cast<Wide>(s.cost_q4) * elected_total -
             static_cast<Wide>(s.elected_q4) * limitation;
        all = static_cast<Wide>(s.cost) * elected_total - static_cast<Wide>(s.elected) * limitation;
    }
    return all > 0 && q4 * 5 > all * 2;
}

bool CountsForMidQuarter(const AssetInput& a) {
    return !a.real() && a.kind != Kind::Land && !a.disposed_same_year();
}

YearSums& YearSums::operator+=(const YearSums& o) {
    quarter += o.quarter;
    section179 += o.section179;
    return *this;
}

void AddToYear(const AssetInput& a, Cents capped, YearSums& sums) {
    const Cents business = BusinessPart(a.cost, a.business_bp);
    if (CountsForMidQuarter(a)) {
        const bool q4 = a.placed.quarter() == 4;
        sums.quarter.cost += business;
        sums.quarter.elected += capped;
        if (q4) {
            sums.quarter.cost_q4 += business;
            sums.quarter.elected_q4 += capped;
        }
    }
    if (!Section179Property(a) || a.listed_minor_use()) return;
    sums.section179.property_cost += business;
    if (capped == 0) return;
    if (a.is_listed()) {
        sums.section179.elected_listed += capped;
    } else {
        sums.section179.elected_cost += business;
        sums.section179.elected += capped;
    }
}

YearFacts DecideYear(int year, const YearSums& sums) {
    YearFacts f;
    f.elected = sums.section179.elected + sums.section179.elected_listed;
    const std::optional<Cents> limitation = DollarLimitation(year, sums.section179.property_cost);
    // A year without limits takes the elections as they are.
    f.limitation = limitation ? *limitation : f.elected;
    f.mid_quarter = MidQuarterYear(sums.quarter, f.limitation, f.elected);
    return f;
}

}  // namespace orvane::reg
