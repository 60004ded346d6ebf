#pragma once
// The plain values of a taxpayer's asset register: days, amounts in cents, the kinds of
// property and the choices a register row makes. No texts: the register's reader names them.

#include <compare>
#include <cstdint>

#include "engine/conventions.h"

namespace orvane::reg {

using Cents = std::int64_t;
// Products of amounts and rates, before they are divided back to cents.
__extension__ using Wide = __int128;

// A calendar day as the number yyyymmdd; 0 is "not given".
struct Day {
    std::int32_t ymd = 0;

    static constexpr Day Of(int year, int month, int day) {
        return {year * 10000 + month * 100 + day};
    }
    constexpr int year() const { return ymd / 10000; }
    constexpr int month() const { return ymd / 100 % 100; }
    constexpr int day() const { return ymd % 100; }
    constexpr int quarter() const { return QuarterOfMonth(month()); }
    constexpr bool given() const { return ymd != 0; }
    constexpr auto operator<=>(const Day&) const = default;
};

enum class Kind : std::uint8_t {
    Personal,        // tangible personal property of a recovery class
    Residential,     // residential rental property, 27.5 years
    Nonresidential,  // nonresidential real property, 39 years
    Qip,             // qualified improvement property, 15 years
    Auto,            // passenger automobile
    Truck,           // truck or van of 6,000 lb gross vehicle weight or less
    Suv,             // SUV over 6,000 lb
    Land,            // never depreciated
};

enum class System : std::uint8_t { Gds, Ads };
// An election slower than the class's own method; Default: the class's own.
enum class Method : std::uint8_t { Default, Db200, Db150, Sl };
// None: not given (the register decides).
enum class Convention : std::uint8_t { None, HalfYear, MidQuarter, MidMonth };
enum class AllowanceMode : std::uint8_t { Auto, None, Percent };

// One register row as read.
struct AssetInput {
    Day placed, acquired, disposed;
    Cents cost = 0;
    Cents section179 = 0;  // elected for this asset
    Cents proceeds = 0;
    Cents prior = 0;          // depreciation of every kind taken through `prior_through`
    int prior_through = 0;    // a tax year; 0: nothing carried in
    int business_bp = 10000;  // business use in hundredths of a percent
    int recovery_halves = 0;  // the recovery period in half years; 0: the kind's own
    Kind kind = Kind::Personal;
    System system = System::Gds;
    Method method = Method::Default;
    Convention convention = Convention::None;
    AllowanceMode allowance = AllowanceMode::Auto;
    int allowance_percent = 0;  // with AllowanceMode::Percent
    bool listed = false;

    Day acquired_or_placed() const { return acquired.given() ? acquired : placed; }
    bool vehicle() const { return kind == Kind::Auto || kind == Kind::Truck || kind == Kind::Suv; }
    bool is_listed() const { return listed || vehicle(); }
    bool real() const { return kind == Kind::Residential || kind == Kind::Nonresidential; }
    // Listed property used 50% or less for business: ADS, no section 179, no allowance.
    bool listed_minor_use() const { return is_listed() && business_bp <= 5000; }
    bool disposed_same_year() const { return disposed.given() && disposed.year() == placed.year(); }
};

// cost x business use, to the cent.
inline Cents BusinessPart(Cents amount, int business_bp) {
    const Wide p = static_cast<Wide>(amount) * business_bp;
    return static_cast<Cents>((p + 5000) / 10000);
}

}  // namespace orvane::reg
