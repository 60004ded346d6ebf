#include "engine/section179.h"

#include <algorithm>

namespace orvane::reg {
namespace {

// The inflation-adjusted figures of the IRS's yearly revenue procedures, 2025 as P.L. 119-21
// set them; 2026 from one secondary source.
constexpr Section179Year kYears[] = {
    {2018, 1'000'000, 2'500'000, 25'000, false}, {2019, 1'020'000, 2'550'000, 25'500, false},
    {2020, 1'040'000, 2'590'000, 25'900, false}, {2021, 1'050'000, 2'620'000, 26'200, false},
    {2022, 1'080'000, 2'700'000, 27'000, false}, {2023, 1'160'000, 2'890'000, 28'900, false},
    {2024, 1'220'000, 3'050'000, 30'500, false}, {2025, 2'500'000, 4'000'000, 31'300, false},
    {2026, 2'560'000, 4'090'000, 32'000, true},
};

}  // namespace

const Section179Year* Section179For(int year) {
    for (const Section179Year& y : kYears) {
        if (y.year == year) return &y;
    }
    return nullptr;
}

bool Section179Property(const AssetInput& a) {
    return !a.real() && a.kind != Kind::Land;
}

long long WholeDollars(Cents cents) {
    return cents >= 0 ? (cents + 50) / 100 : -((-cents + 50) / 100);
}

Section179Sums& Section179Sums::operator+=(const Section179Sums& o) {
    property_cost += o.property_cost;
    elected_cost += o.elected_cost;
    elected += o.elected;
    elected_listed += o.elected_listed;
    return *this;
}

Section179Lines FigureSection179(int year, const Section179Sums& sums,
                                 std::optional<long long> business_income, long long carryover_in) {
    Section179Lines l;
    const Section179Year* limits = Section179For(year);
    l.known = limits != nullptr;
    l.line2 = WholeDollars(sums.property_cost);
    if (limits) {
        l.line1 = limits->dollar_limit;
        l.line3 = limits->threshold;
        l.line4 = std::max(0LL, l.line2 - l.line3);
        l.line5 = std::max(0LL, l.line1 - l.line4);
    }
    l.line6_cost = WholeDollars(sums.elected_cost);
    l.line6 = WholeDollars(sums.elected);
    l.line7 = WholeDollars(sums.elected_listed);
    l.line8 = l.line6 + l.line7;
    l.line9 = limits ? std::min(l.line5, l.line8) : l.line8;
    l.line10 = std::max(0LL, carryover_in);
    const long long cap = limits ? l.line5 : l.line9 + l.line10;
    l.line11 = business_income ? std::min(std::max(0LL, *business_income), cap) : cap;
    l.line12 = std::min(l.line9 + l.line10, l.line11);
    l.line13 = l.line9 + l.line10 - l.line12;
    return l;
}

std::optional<Cents> DollarLimitation(int year, Cents property_cost) {
    const Section179Year* limits = Section179For(year);
    if (!limits) return std::nullopt;
    const long long line4 = std::max(0LL, WholeDollars(property_cost) - limits->threshold);
    return std::max(0LL, limits->dollar_limit - line4) * 100;
}

}  // namespace orvane::reg
