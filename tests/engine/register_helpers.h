#pragma once
// A small register computed in memory, as the command does it in two passes: the tax years'
// sums first, then each asset with its year's decision.

#include <map>
#include <vector>

#include "engine/form4562.h"
#include "engine/register_asset.h"
#include "engine/tax_year.h"

namespace orvane::reg::testing {

inline AssetInput Personal(int recovery, Day placed, Cents cost) {
    AssetInput a;
    a.recovery_halves = recovery * 2;
    a.placed = placed;
    a.cost = cost;
    a.allowance = AllowanceMode::None;
    return a;
}

struct Computed {
    std::map<int, YearFacts> years;
    std::vector<Schedule> schedules;
    FormSums form;
};

inline Computed ComputeAll(const std::vector<AssetInput>& assets, int form_year,
                           const VehicleLimitYear* limits = nullptr) {
    std::map<int, YearSums> sums;
    for (const AssetInput& a : assets)
        AddToYear(a, CappedElection(a, limits), sums[a.placed.year()]);
    Computed c;
    for (const auto& [year, s] : sums)
        c.years[year] = DecideYear(year, s);
    for (const AssetInput& a : assets) {
        c.schedules.emplace_back();
        ComputeAsset(a, {c.years[a.placed.year()], limits}, c.schedules.back());
        AddToForm(form_year, a, CappedElection(a, limits), c.schedules.back(), c.form);
    }
    return c;
}

// The sum of one tax year's rows over the assets.
inline Cents YearTotal(const Computed& c, int year) {
    Cents t = 0;
    for (const Schedule& s : c.schedules) {
        if (const YearRow* r = s.Row(year)) t += r->total();
    }
    return t;
}

}  // namespace orvane::reg::testing
