#include "engine/register_asset.h"

#include <algorithm>
#include <array>
#include <span>

#include "engine/bonus_allowance.h"
#include "engine/pub946_tables.h"
#include "engine/section179.h"

namespace orvane::reg {
namespace {

char ConventionLetter(Convention c) {
    switch (c) {
        case Convention::HalfYear:
            return 'H';
        case Convention::MidQuarter:
            return 'Q';
        case Convention::MidMonth:
            return 'M';
        case Convention::None:
            break;
    }
    return 0;
}

Cents Share(Cents amount, int share96) {
    return static_cast<Cents>((static_cast<Wide>(amount) * share96 + 48) / 96);
}

// The recovery years' amounts on the depreciable basis, as if the asset were kept; returns the
// number of tax years of the recovery period.
std::size_t RecoveryAmounts(const AssetInput& a, const AssetClass& c, Convention conv, Cents basis,
                            std::span<Cents> out) {
    const int quarter = a.placed.quarter();
    const int month = a.placed.month();
    const char letter = ConventionLetter(conv);
    const int first96 = FirstYearShare96(letter, quarter, month);
    const long long span96 = (96 - first96) + 48LL * c.recovery_halves;
    const std::size_t years = std::min(out.size(), static_cast<std::size_t>((span96 + 95) / 96));
    std::fill(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(years), 0);
    switch (c.rates) {
        case RateSource::GdsTable: {
            const auto rates =
                GdsTable(conv == Convention::MidQuarter ? quarter : 0, c.recovery_halves / 2);
            for (std::size_t k = 0; k < rates.size() && k < years; ++k)
                out[k] = ApplyRate(basis, rates[k]);
            break;
        }
        case RateSource::Residential:
            for (std::size_t k = 0; k < years; ++k)
                out[k] = ApplyRate(basis, ResidentialRate(static_cast<int>(k) + 1, month));
            break;
        case RateSource::Nonresidential39:
            for (std::size_t k = 0; k < years; ++k)
                out[k] = ApplyRate(basis, Nonresidential39Rate(static_cast<int>(k) + 1, month));
            break;
        case RateSource::StraightLine: {
            std::array<std::int32_t, 128> rates{};
            const std::size_t n =
                StraightLineRates(first96, c.recovery_halves, c.mid_month,
                                  std::span(rates).first(std::min(years, rates.size())));
            for (std::size_t k = 0; k < n; ++k)
                out[k] = ApplyRate(basis, rates[k]);
            break;
        }
        case RateSource::Formula:
            FormulaSchedule(basis, c.factor_percent, c.recovery_halves, first96, out.first(years));
            break;
        case RateSource::None:
            return 0;
    }
    return years;
}

Convention ConventionOf(const AssetInput& a, const YearFacts& year, std::uint32_t& notes) {
    if (a.real()) return Convention::MidMonth;
    const Convention tested = year.mid_quarter ? Convention::MidQuarter : Convention::HalfYear;
    if (a.convention == Convention::None) return tested;
    if (a.convention != tested && CountsForMidQuarter(a)) notes |= kNoteConventionGivenDiffers;
    return a.convention;
}

// The vehicle limit of recovery year `k` (1 on), business part, in cents; nothing for an asset
// without yearly limits.
std::optional<Cents> VehicleCap(const AssetInput& a, const VehicleLimitYear* limits, int pct,
                                std::size_t k) {
    if (!limits || (a.kind != Kind::Auto && a.kind != Kind::Truck)) return std::nullopt;
    long long dollars = limits->later;
    if (k == 1) dollars = FirstYearVehicleLimit(*limits, pct, a.acquired_or_placed(), a.placed);
    if (k == 2) dollars = limits->second;
    if (k == 3) dollars = limits->third;
    return BusinessPart(dollars * 100, a.business_bp);
}

// Walks the tax years of one asset and fills its rows.
class YearWalk {
  public:
    YearWalk(const AssetInput& a, const AssetContext& ctx, Schedule& s) : a_(a), ctx_(ctx), s_(s) {}

    void Run(std::span<const Cents> amounts, std::size_t recovery_years);

  private:
    // The year's row before the limits; false when the schedule has ended before it.
    bool Planned(std::size_t k, std::span<const Cents> amounts, std::size_t recovery_years,
                 YearRow& row) const;
    void Limit(std::size_t k, YearRow& row);
    void Carry(int year, YearRow& row);

    const AssetInput& a_;
    const AssetContext& ctx_;
    Schedule& s_;
    Cents accumulated_ = 0;
};

bool YearWalk::Planned(std::size_t k, std::span<const Cents> amounts, std::size_t recovery_years,
                       YearRow& row) const {
    const int year = s_.first_year + static_cast<int>(k) - 1;
    if (k == 1) {
        row.section179 = s_.section179;
        row.allowance = s_.allowance;
        if (a_.disposed_same_year()) return true;
    }
    const bool vehicle = VehicleCap(a_, ctx_.limits, s_.allowance_percent, k).has_value();
    if (k <= recovery_years) {
        row.depreciation = amounts[k - 1];
    } else if (vehicle && accumulated_ < s_.business_cost) {
        // After the recovery period the basis left is deducted at the later years' limit.
        row.depreciation = s_.business_cost - accumulated_;
    } else {
        return false;
    }
    if (a_.disposed.given() && a_.disposed.year() == year && k > 1) {
        row.depreciation = Share(row.depreciation, DisposalShare96(ConventionLetter(s_.convention),
                                                                   a_.disposed.month()));
    }
    return true;
}

void YearWalk::Limit(std::size_t k, YearRow& row) {
    if (auto cap = VehicleCap(a_, ctx_.limits, s_.allowance_percent, k)) {
        const YearRow before = row;
        row.section179 = std::min(row.section179, *cap);
        row.allowance = std::min(row.allowance, *cap - row.section179);
        row.depreciation = std::min(row.depreciation, *cap - row.section179 - row.allowance);
        if (row.total() != before.total()) s_.notes |= kNoteVehicleLimited;
    }
    // Nothing is ever taken beyond the business part of the cost.
    const Cents room = std::max<Cents>(0, s_.business_cost - accumulated_);
    row.section179 = std::min(row.section179, room);
    row.allowance = std::min(row.allowance, room - row.section179);
    row.depreciation =
        std::clamp<Cents>(row.depreciation, 0, room - row.section179 - row.allowance);
}

void YearWalk::Carry(int year, YearRow& row) {
    if (a_.prior_through != year) return;
    const Cents drift = a_.prior - row.accumulated;
    if (drift > 100 || drift < -100) {
        s_.drift = drift;
        s_.notes |= kNoteDrift;
    }
    // What the earlier returns took is what was taken.
    accumulated_ = a_.prior;
    row.accumulated = a_.prior;
    row.basis_left = s_.business_cost - a_.prior;
}

void YearWalk::Run(std::span<const Cents> amounts, std::size_t recovery_years) {
    for (std::size_t k = 1; k <= kMaxYears; ++k) {
        YearRow row;
        if (!Planned(k, amounts, recovery_years, row)) break;
        Limit(k, row);
        accumulated_ += row.total();
        row.accumulated = accumulated_;
        row.basis_left = s_.business_cost - accumulated_;
        const int year = s_.first_year + static_cast<int>(k) - 1;
        Carry(year, row);
        s_.rows[s_.count++] = row;
        if (a_.disposed.given() && a_.disposed.year() <= year) return;
        if (k >= recovery_years && row.basis_left <= 0) return;
        // A limit of nothing ends the years after the recovery period.
        if (k > recovery_years && row.total() == 0) return;
    }
    if (s_.count == kMaxYears && s_.rows[kMaxYears - 1].basis_left > 0) s_.notes |= kNoteRowsCut;
}

void Disposal(const AssetInput& a, Schedule& s) {
    if (!a.disposed.given()) return;
    Cents accumulated = 0;
    for (std::size_t i = 0; i < s.count; ++i) {
        if (s.first_year + static_cast<int>(i) > a.disposed.year()) break;
        accumulated = s.rows[i].accumulated;
    }
    s.gain_loss = BusinessPart(a.proceeds, a.business_bp) - (s.business_cost - accumulated);
}

}  // namespace

void ComputeAsset(const AssetInput& a, const AssetContext& ctx, Schedule& s) {
    s.count = 0;
    s.notes = 0;
    s.drift.reset();
    s.gain_loss.reset();
    s.first_year = a.placed.year();
    s.cls = ClassOf(a);
    s.form_row = FormRow(a, s.cls);
    s.business_cost = BusinessPart(a.cost, a.business_bp);
    s.section179 = s.allowance = s.depreciable_basis = 0;
    s.allowance_percent = 0;
    s.convention = Convention::None;
    if (a.kind == Kind::Land) {
        Disposal(a, s);
        return;
    }
    s.convention = ConventionOf(a, ctx.year, s.notes);
    const Cents capped = CappedElection(a, ctx.limits);
    s.section179 = AllowedElection(capped, ctx.year);
    if (capped < a.section179) s.notes |= kNoteSection179Capped;
    if (s.section179 < capped) s.notes |= kNoteSection179Scaled;
    if (a.section179 > 0 && !Section179For(a.placed.year())) s.notes |= kNoteSection179UnknownYear;
    if (a.disposed_same_year()) s.notes |= kNoteSameYearDisposal;
    s.allowance_percent = AllowancePercent(a, s.cls.recovery_halves);
    s.allowance = static_cast<Cents>(
        (static_cast<Wide>(s.business_cost - s.section179) * s.allowance_percent + 50) / 100);
    s.depreciable_basis = s.business_cost - s.section179 - s.allowance;
    if (ctx.limits && ctx.limits->unconfirmed && (a.kind == Kind::Auto || a.kind == Kind::Truck))
        s.notes |= kNoteVehicleLimitsUnconfirmed;

    std::array<Cents, kMaxYears> amounts{};
    const std::size_t years = RecoveryAmounts(a, s.cls, s.convention, s.depreciable_basis, amounts);
    YearWalk(a, ctx, s).Run(std::span<const Cents>(amounts.data(), years), years);
    // Carried in through a year after the last row: compared with where the schedule ended.
    if (a.prior_through != 0 && s.count > 0 &&
        a.prior_through > s.first_year + static_cast<int>(s.count) - 1) {
        const Cents drift = a.prior - s.rows[s.count - 1].accumulated;
        if (drift > 100 || drift < -100) {
            s.drift = drift;
            s.notes |= kNoteDrift;
        }
    }
    Disposal(a, s);
}

}  // namespace orvane::reg
