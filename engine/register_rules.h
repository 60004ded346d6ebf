#pragma once
// The recovery class, method and convention of a register row under MACRS (IRS Publication
// 946, Table 4-1), and the checks a row must pass before it is computed.

#include "engine/register_types.h"

namespace orvane::reg {

// How the yearly rates of a class are found.
enum class RateSource : std::uint8_t {
    None,              // land
    GdsTable,          // Tables
    Residential,       // Table A-6
    Nonresidential39,  // Table A-7a
    StraightLine,      // Tables to A-13a
    Formula,           // worked out on the basis left (150% elections)
};

struct AssetClass {
    int recovery_halves = 0;  // 55 for 27.5 years
    int factor_percent = 0;   // 200 or 150: declining balance; 100: straight line
    System system = System::Gds;
    RateSource rates = RateSource::None;
    bool mid_month = false;  // real property
};

// The class of a row that passed CheckAsset. Listed property used 50% or less is under ADS
// straight line whatever the row says.
AssetClass ClassOf(const AssetInput& asset);

// What is wrong with a row, the first thing found.
enum class Problem : std::uint8_t {
    None,
    RecoveryMissing,      // personal property without a recovery period
    RecoveryNotGdsClass,  // not 3, 5, 7, 10, 15, 20 or 25 under GDS
    RecoveryOutOfRange,   // an ADS class life outside 1 to 50 years
    RecoveryNotOfKind,    // a kind with a recovery period of its own given another
    MethodNotAllowed,     // not the class's own method or a slower one
    AdsRequired,          // listed personal property used 50% or less, given under GDS
    QipBefore2018,        // qualified improvement property before it was 15-year property
    AcquiredAfterPlaced,
    DisposedBeforePlaced,
    Section179NotProperty,  // real property or land
    Section179MinorUse,     // listed property used 50% or less
    Section179OverCost,     // more than the business part of the cost
    AllowanceNotEligible,   // a percent for property that gets no allowance
    AllowancePercentNotAllowed,
    ConventionNotOfKind,  // MM for personal property, HY or MQ for real property
    PriorWithoutYear,     // prior_depreciation without prior_through
    PriorYearBeforePlaced,
    PriorOverCost,  // more carried in than the business part of the cost
    ProceedsWithoutDisposal,
};

Problem CheckAsset(const AssetInput& asset);

// The recovery period a kind has of its own under the asset's system (in half years), or 0
// for personal property (the row gives it).
int RecoveryOfKind(const AssetInput& asset);

// The class's own method: 200 (3 to 10 years and vehicles under GDS), 150 (15 and 20 years),
// 100 (straight line: 25 years, real property, QIP, ADS).
int DefaultFactor(const AssetInput& asset, int recovery_halves);

// Form 4562: the row of line 19 (GDS: 'a' to 'i') or line 20 (ADS: 'a' to 'd') of the class;
// 0 for land.
char FormRow(const AssetInput& asset, const AssetClass& cls);

}  // namespace orvane::reg
