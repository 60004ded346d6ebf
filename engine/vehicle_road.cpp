// The vehicle road: a passenger automobile, clean-fuel automobile, truck or van depreciates at
// the MACRS 5-year rates, each year capped by the limit of its year of service for the year the
// vehicle was placed in service, scaled by the business use.

#include <algorithm>

#include "base/numtext.h"
#include "engine/calculation.h"

namespace orvane::detail {

void Calculation::VehicleRoad() {
    // The life given is read as a whole number on the way in, though the limits decide the years.
    CInt(a_.recovery_period ? Use(*a_.recovery_period) : 0);
    out_.vehicle_road = true;
    const double bp = a_.business_use;
    if (bp == 0) {
        out_.ending = Ending::NoBusinessUse;
        return;
    }
    double cost = 0;
    Do(Step::Vehicle, [&] { cost = bp * basis_ - Use(allowance_); });
    std::span<const double> rates = MacrsRates(quarter_, 5);
    if (rates.empty()) rates = MacrsRates(0, 5);
    if (limits_ == nullptr) {
        out_.ending = Ending::NoLimitSource;
        return;
    }
    const std::optional<VehicleLimits> found =
        limits_->Lookup(a_.vehicle, a_.placed_in_service.year);
    if (!found) {
        out_.ending = Ending::NoVehicleLimits;
        return;
    }
    const VehicleLimits& limits = *found;
    if (Use(allowance_) > 0) cost = VehicleCost(limits, cost);

    double remaining = cost, accumulated = 0, limit = 0, first_limit = 0, year_amount = 0;
    bool sale_year = false;
    for (year_ = 1;; ++year_) {
        const double special = Use(allowance_);
        if (!(special + cost > accumulated)) break;
        const double table_amount = cost * rates[std::min(year_, 6) - 1];
        Do(Step::Vehicle, [&] { limit = bp * Use(limits[std::min(year_, 4)]); });
        if (table_amount > limit) {
            year_amount = limit;
        } else if (table_amount > remaining) {
            year_amount = remaining;
        } else {
            year_amount = table_amount;
            if (year_ > 6 && year_amount < limit) year_amount = limit;
        }
        if (year_ == 1 && a_.allowance != Allowance::None) {
            const int first = a_.allowance == Allowance::Percent30 ? 0 : 5;
            Do(Step::Vehicle, [&] { first_limit = Use(limits[first]); });
            const double capped = bp * first_limit - special;
            if (capped < year_amount) year_amount = capped < 0 ? 0 : capped;
            accumulated = accumulated + special;
        }
        Do(Step::Vehicle, [&] { sale_year = IsSaleYear(year_); });
        if (sale_year) year_amount = CutSaleYear(year_amount);
        if (year_amount > remaining) year_amount = remaining;
        accumulated = accumulated + year_amount;
        remaining = special + cost - accumulated;
        if (year_ > 43) {
            out_.ending = Ending::VehicleBeyond43Years;
            return;
        }
        Row(year_, year_amount);
        if (sale_year) break;
    }
    out_.caption = Caption::LuxuryAuto;
    out_.ending = Ending::Completed;
}

double Calculation::VehicleCost(const VehicleLimits& limits, double cost) {
    // With an allowance the cost is the cost given, in its leading number, less the allowance
    // as capped.
    int capped = 0;
    Do(Step::Vehicle, [&] { capped = CapAllowance(limits); });
    Do(Step::Vehicle, [&] { cost = Use(a_.cost_leading) * a_.business_use - capped; });
    return cost;
}

int Calculation::CapAllowance(const VehicleLimits& limits) {
    const double allowance = RoundEven(Use(allowance_));
    const double bp = a_.business_use;
    const auto whole = [&](int i) { return static_cast<double>(CLng(Use(limits[i]))); };
    double l = 0;
    if (a_.allowance == Allowance::Percent30) {
        l = whole(0);
        if (l == 0) l = whole(1);
    }
    if (a_.allowance == Allowance::Percent50 || a_.allowance == Allowance::Percent100) {
        l = whole(5);
        if (l == 0) l = whole(1);
    }
    if (l * bp < allowance) {
        // No more than the first year's limit times the business use (and not below 0).
        const double capped = l * bp;
        WriteAllowance(capped < 0 ? 0 : capped);
        Met(Step::AllowanceCapped, 0, 0, capped);
    }
    return CInt(Use(allowance_));
}

}  // namespace orvane::detail
