#pragma once
// One register asset computed for every tax year of its life: section 179 first, then the
// special allowance, then MACRS on what is left (IRS Publication 946, chapters 2 to 5), with
// the vehicle limits, the disposal year's share, and depreciation carried in from earlier
// returns. Amounts in cents.

#include <array>
#include <cstdint>
#include <optional>

#include "engine/register_rules.h"
#include "engine/register_types.h"
#include "engine/tax_year.h"

namespace orvane::reg {

// Why an amount is what it is; several may hold.
enum Note : std::uint32_t {
    kNoteVehicleLimitsUnconfirmed = 1u << 0,
    kNoteVehicleLimited = 1u << 1,          // a year's vehicle limit cut the amount
    kNoteSection179Capped = 1u << 2,        // the SUV or vehicle limit cut the election
    kNoteSection179Scaled = 1u << 3,        // the year's dollar limitation cut the election
    kNoteSameYearDisposal = 1u << 4,        // no allowance, no depreciation
    kNoteConventionGivenDiffers = 1u << 5,  // the row's convention is not the year's test
    kNoteDrift = 1u << 6,                   // carried in differs from the recomputed by over $1
    kNoteRowsCut = 1u << 7,                 // basis left after the last year the register holds
    kNoteSection179UnknownYear = 1u << 8,   // no dollar limits known for the year
};

struct YearRow {
    Cents section179 = 0, allowance = 0, depreciation = 0, accumulated = 0, basis_left = 0;
    Cents total() const { return section179 + allowance + depreciation; }
};

inline constexpr std::size_t kMaxYears = 160;

struct Schedule {
    AssetClass cls;
    Convention convention = Convention::None;
    char form_row = 0;
    int allowance_percent = 0;
    Cents business_cost = 0, section179 = 0, allowance = 0, depreciable_basis = 0;
    std::optional<Cents> drift;      // carried in less recomputed, when over $1
    std::optional<Cents> gain_loss;  // on disposal, business part
    std::uint32_t notes = 0;
    int first_year = 0;
    std::size_t count = 0;  // rows from first_year on
    std::array<YearRow, kMaxYears> rows;

    // The row of tax year `year`, or nothing outside the schedule.
    const YearRow* Row(int year) const {
        const long long i = static_cast<long long>(year) - first_year;
        return i >= 0 && i < static_cast<long long>(count) ? &rows[static_cast<std::size_t>(i)]
                                                           : nullptr;
    }
};

// What the computation of one asset needs beyond its row.
struct AssetContext {
    YearFacts year;                            // of the year placed in service
    const VehicleLimitYear* limits = nullptr;  // autos and light trucks
};

// The asset's schedule; `asset` passed CheckAsset.
void ComputeAsset(const AssetInput& asset, const AssetContext& context, Schedule& out);

}  // namespace orvane::reg
