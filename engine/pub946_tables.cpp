#include "engine/pub946_tables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

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

// Table A-6 by month placed in service: year 1, and years 28 and 29.
// clang-format off
constexpr std::array<std::int32_t, 12> kResidentialFirst = {3485, 3182, 2879, 2576, 2273, 1970,
                                                            1667, 1364, 1061, 758, 455, 152};
constexpr std::array<std::int32_t, 12> kResidential28 = {1970, 2273, 2576, 2879, 3182, 3485,
                                                         3636, 3636, 3636, 3636, 3636, 3636};
constexpr std::array<std::int32_t, 12> kResidential29 = {0, 0, 0, 0, 0, 0,
                                                         152, 455, 758, 1061, 1364, 1667};
// Table A-7a by month placed in service: year 1 and year 40.
constexpr std::array<std::int32_t, 12> kNonresidentialFirst = {2461, 2247, 2033, 1819, 1605, 1391,
                                                               1177, 963, 749, 535, 321, 107};
constexpr std::array<std::int32_t, 12> kNonresidential40 = {107, 321, 535, 749, 963, 1177,
                                                            1391, 1605, 1819, 2033, 2247, 2461};
// clang-format on

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
    if (month < 1 || month > 12) return 0;
    const std::size_t m = static_cast<std::size_t>(month - 1);
    if (year == 1) return kResidentialFirst[m];
    if (year >= 2 && year <= 9) return 3636;
    if (year >= 10 && year <= 27) {
        // From year 10 the table alternates: 3.637 in the even years for property placed in
        // service in January to June, in the odd years for July to December.
        const bool even = year % 2 == 0;
        return (even == (month <= 6)) ? 3637 : 3636;
    }
    if (year == 28) return kResidential28[m];
    if (year == 29) return kResidential29[m];
    return 0;
}

std::int32_t Nonresidential39Rate(int year, int month) {
    if (month < 1 || month > 12) return 0;
    const std::size_t m = static_cast<std::size_t>(month - 1);
    if (year == 1) return kNonresidentialFirst[m];
    if (year >= 2 && year <= 39) return 2564;
    if (year == 40) return kNonresidential40[m];
    return 0;
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

int FirstYearShare96(char convention, int quarter, int month) {
    switch (convention) {
        case 'H':
            return 48;
        case 'Q':
            return quarter >= 1 && quarter <= 4 ? 96 - (quarter * 24 - 12) : 0;
        case 'M':
            return month >= 1 && month <= 12 ? (12 - month) * 8 + 4 : 0;
        default:
            return 96;
    }
}

int DisposalShare96(char convention, int month) {
    switch (convention) {
        case 'H':
            return 48;
        case 'Q':
            return ((month - 1) / 3) * 24 + 12;
        case 'M':
            return (month - 1) * 8 + 4;
        default:
            return 96;
    }
}

std::size_t FormulaSchedule(Cents basis, int factor_percent, int life_halves, int first_share96,
                            std::span<Cents> out) {
    if (out.empty() || life_halves <= 0 || basis <= 0) return 0;
    // The declining-balance rate is factor / life = factor * 2 / (100 * life_halves).
    const Wide rate_den = static_cast<Wide>(100) * life_halves;
    const bool declining = factor_percent != 100;
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
        Cents amount = straight;
        if (declining) {
            const Cents db = DivRound(static_cast<Wide>(left) * factor_percent * 2, rate_den);
            amount = std::max(db, straight);
        }
        take(amount);
    }
    return n;
}

}  // namespace orvane::reg
