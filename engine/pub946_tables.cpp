#include "engine/pub946_tables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "engine/conventions.h"
#include "engine/rates.h"

namespace orvane::reg {
namespace {

constexpr int kLives[] = {3, 5, 7, 10, 15, 20};

// Tables are the ones the window holds (engine/rates.h): the same published digits,
// held here as whole hundred-thousandths.
struct GdsTables {
    std::array<std::array<std::vector<std::int32_t>, 6>, 5> rates;
    GdsTables() {
        for (int q = 0; q <= 4; ++q) {
            for (std::size_t i = 0; i < 6; ++i) {
                for (double r : MacrsRates(q, kLives[i]))
                    rates[q][i].push_back(static_cast<std::int32_t>(std::llround(r * 100000)));
            }
        }
    }
};

// Tables A-6 and A-7a are the window's (engine/rates.h) in hundred-thousandths, but for A-6's
// years 10 to 27: the window holds their mean, 3.6365%, where the publication prints 3.637 and
// 3.636 in turn; the register takes the printed figures.
template <int Years>
struct RealTable {
    std::array<std::array<std::int32_t, 12>, Years> rates{};
    explicit RealTable(RealProperty table) {
        for (int y = 1; y <= Years; ++y) {
            for (int m = 1; m <= 12; ++m) {
                const double r = RealPropertyRate(table, y, m).value_or(0);
                rates[y - 1][m - 1] = static_cast<std::int32_t>(std::llround(r * 100000));
            }
        }
        if (table != RealProperty::Residential275) return;
        for (int y = 10; y <= 27; ++y) {
            // 3.637 in the even years for property placed in service in January to June, in
            // the odd years for July to December.
            for (int m = 1; m <= 12; ++m)
                rates[y - 1][m - 1] = (y % 2 == 0) == (m <= 6) ? 3637 : 3636;
        }
    }
    std::int32_t At(int year, int month) const {
        if (year < 1 || year > Years || month < 1 || month > 12) return 0;
        return rates[year - 1][month - 1];
    }
};

orvane::Convention ConventionOfLetter(char letter) {
    switch (letter) {
        case 'H':
            return orvane::Convention::HalfYear;
        case 'Q':
            return orvane::Convention::MidQuarter;
        case 'M':
            return orvane::Convention::MidMonth;
        default:
            return orvane::Convention::None;
    }
}

Cents DivRound(Wide num, Wide den) {
    const Wide q = num / den;
    const Wide r = num % den;
    const bool up = 2 * (r < 0 ? -r : r) >= den;
    return static_cast<Cents>(up ? q + (num < 0 ? -1 : 1) : q);
}

}  // namespace

std::span<const std::int32_t> GdsTable(int quarter, int life) {
    static const GdsTables tables;
    if (quarter < 0 || quarter > 4) return {};
    for (std::size_t i = 0; i < 6; ++i) {
        if (kLives[i] == life) return tables.rates[quarter][i];
    }
    return {};
}

std::int32_t ResidentialRate(int year, int month) {
    static const RealTable<29> table(RealProperty::Residential275);
    return table.At(year, month);
}

std::int32_t Nonresidential39Rate(int year, int month) {
    static const RealTable<40> table(RealProperty::NonResidential39);
    return table.At(year, month);
}

Cents ApplyRate(Cents basis, std::int32_t rate) {
    // Bases below $900 billion multiply within 64 bits.
    constexpr Cents kNarrow = 90'000'000'000'000;
    if (basis >= 0 && basis < kNarrow && rate >= 0) {
        const Cents p = basis * rate;
        return (p + 50'000) / 100'000;
    }
    return DivRound(static_cast<Wide>(basis) * rate, 100000);
}

std::size_t StraightLineRates(int first_share96, int life_halves, bool mid_month,
                              std::span<std::int32_t> out) {
    if (out.empty() || life_halves <= 0 || first_share96 <= 0) return 0;
    // The printed digits: 1/100 of a percent (10 hundred-thousandths) or 1/1000 (1).
    const Wide unit = mid_month ? 1 : 10;
    const auto printed = [unit](Wide num, Wide den) {
        return static_cast<std::int32_t>(DivRound(num, den * unit) * unit);
    };
    constexpr std::int32_t kWhole = 100000;
    std::int32_t left = kWhole;
    std::size_t n = 0;
    const auto take = [&](std::int32_t rate) {
        rate = std::clamp(rate, 0, left);
        out[n++] = rate;
        left -= rate;
    };
    // The first year: the share of a year over the recovery period.
    take(printed(static_cast<Wide>(kWhole) * 2 * first_share96,
                 static_cast<Wide>(96) * life_halves));
    // The recovery period left at the start of each later year, in 96ths of a year.
    long long remaining96 = 48LL * life_halves - first_share96;
    while (left > 0 && n < out.size()) {
        if (remaining96 <= 96) {
            take(left);
            break;
        }
        take(printed(static_cast<Wide>(left) * 96, remaining96));
        remaining96 -= 96;
    }
    return n;
}

int FirstYearShare96(char convention, int quarter, int month) {
    // The quarter's last month stands for the quarter.
    return FirstYearPart(ConventionOfLetter(convention), convention == 'Q' ? 3 * quarter : month)
        .In96();
}

int DisposalShare96(char convention, int month) {
    return DisposalYearPart(ConventionOfLetter(convention), month).In96();
}

std::size_t FormulaSchedule(Cents basis, int factor_percent, int life_halves, int first_share96,
                            std::span<Cents> out) {
    if (out.empty() || life_halves <= 0 || basis <= 0) return 0;
    // The declining-balance rate is factor / life = factor * 2 / (100 * life_halves).
    const Wide rate_den = static_cast<Wide>(100) * life_halves;
    Cents left = basis;
    std::size_t n = 0;
    const auto take = [&](Cents amount) {
        amount = std::clamp<Cents>(amount, 0, left);
        out[n++] = amount;
        left -= amount;
    };
    take(DivRound(static_cast<Wide>(basis) * factor_percent * 2 * first_share96, rate_den * 96));
    for (int year = 2; left > 0 && n < out.size(); ++year) {
        // The recovery period left at the start of the year, in 96ths of a year.
        const long long remaining96 = 48LL * life_halves - first_share96 - 96LL * (year - 2);
        if (remaining96 <= 96) {
            take(left);
            break;
        }
        const Cents straight = DivRound(static_cast<Wide>(left) * 96, remaining96);
        const Cents declining = DivRound(static_cast<Wide>(left) * factor_percent * 2, rate_den);
        take(std::max(declining, straight));
    }
    return n;
}

}  // namespace orvane::reg
