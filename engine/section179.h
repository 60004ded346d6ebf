#pragma once
// Section 179: the yearly dollar limits, the phase-out, the business income limitation and the
// carryover, as Form 4562 lines 1 to 13 work them out in whole dollars.

#include <optional>

#include "engine/register_types.h"

namespace orvane::reg {

// One tax year's limits, in dollars.
struct Section179Year {
    int year;
    long long dollar_limit;
    long long threshold;
    long long suv_cap;
    bool unconfirmed;  // seen in one secondary source only
};

// The limits of `year`; nothing for a year the table does not hold (before 2018, after 2026).
const Section179Year* Section179For(int year);

// Whether the kind of property is section 179 property (real property and land are not).
bool Section179Property(const AssetInput& asset);

// Cents rounded to whole dollars (halves away from zero).
long long WholeDollars(Cents cents);

// Form 4562 lines 1 to 13 of one tax year, in whole dollars. `known` is false for a year
// without limits: lines 1 to 5 are then left empty and line 9 is line 8.
struct Section179Lines {
    bool known = false;
    long long line1 = 0, line2 = 0, line3 = 0, line4 = 0, line5 = 0;
    long long line6_cost = 0, line6 = 0, line7 = 0, line8 = 0, line9 = 0;
    long long line10 = 0, line11 = 0, line12 = 0, line13 = 0;
};

// What the register adds up for lines 2, 6 and 7, in cents.
struct Section179Sums {
    Cents property_cost = 0;  // line 2: business cost of the section 179 property placed in service
    Cents elected_cost = 0;   // line 6 (b): cost of the property with an election, not listed
    Cents elected = 0;        // line 6 (c)
    Cents elected_listed = 0;  // line 7 (line 29)
    Section179Sums& operator+=(const Section179Sums& o);
};

// Lines 1 to 13. Line 11 is the business income (not below zero) or line 5, whichever is
// smaller; without a business income given, line 5.
Section179Lines FigureSection179(int year, const Section179Sums& sums,
                                 std::optional<long long> business_income, long long carryover_in);

// The dollar limitation (line 5) in cents, or nothing for a year without limits.
std::optional<Cents> DollarLimitation(int year, Cents property_cost);

}  // namespace orvane::reg
