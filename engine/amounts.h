#pragma once
// The yearly amount of each depreciation method, a pure function of the basis, the life, the
// schedule year (1 for the year placed in service), the month placed in service and the
// in-service quarter. A year outside the method's schedule has no amount. Faults (a life of 0,
// a life without a table) are raised to the caller; the schedule traps and reports them and
// keeps the method caption.

#include <optional>

#include "engine/rates.h"

namespace orvane::amount {

// MACRS half-year (quarter 0) or mid-quarter (quarter 1 to 4) table: the basis times the
// table's percentage for the year, unrounded. The 5-year percentages, and only those, are
// multiplied by `business_use`. A life other than 3, 5, 7, 10, 15 or 20, or a year beyond the
// table, raises fault 9.
double MacrsTable(double basis, double life, int year, int quarter, double business_use);

// Whether `life` is exactly one of the lives that have a MACRS table.
bool HasMacrsTable(double life);

// Real property, mid-month straight line: the basis times the table's rate for the year and
// the month placed in service (1 = January); nothing where the table has no rate, as for a
// month outside 1 to 12 in the years that depend on the month.
std::optional<double> MidMonth(RealProperty table, double basis, int year, int month);

// Straight line by whole months: the first year counts the month placed in service and the
// months after it, the last year (life + 1, rounded) the months before it, the years between a
// full share of basis / life. A life of 0 raises fault 11 (fault 6 for a basis of 0 too).
std::optional<double> StraightLine(double basis, double life, int year, int month);

// Alternative depreciation system: basis / life in the full years; the first and last years
// take the basis times the half-year (quarter 0) or mid-quarter fraction over the life, that
// rate rounded to four decimals. A quarter outside 0 to 4 has no first or last year. A life of
// 0 raises fault 11.
std::optional<double> Ads(double basis, double life, int year, int quarter);

}  // namespace orvane::amount
