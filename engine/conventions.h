#pragma once
// What a convention gives of the year an asset is placed in service and of the year it is
// disposed of. A convention splits the year into periods (one for the half-year convention,
// four quarters, twelve months) and counts the period of the event as half of one: the window's
// schedules (in doubles) and the register's (in cents) both take their parts from here.

#include "engine/asset.h"

namespace orvane {

// The quarter of a month: 1 for January to March ... 4 for October to December (a month before
// January counts as the first quarter, one after December as the fourth).
constexpr int QuarterOfMonth(int month) {
    return month <= 3 ? 1 : month <= 6 ? 2 : month <= 9 ? 3 : 4;
}

// `halves` half periods of a year of `periods`: (halves / 2) / periods of a year.
struct YearPart {
    int halves = 2;
    int periods = 1;

    // The part as a number (exact for the half-year and the quarters).
    double Fraction() const { return halves * 0.5 / periods; }
    // `amount` times the part, multiplied before it is divided.
    double Of(double amount) const { return amount * (halves * 0.5) / periods; }
    // The part in 96ths of a year (a common denominator of halves, quarters and months).
    int In96() const { return halves * 48 / periods; }
};

// The part of its first year an asset placed in service in `month` (1 = January) has: half a
// year (HY); the quarters from the middle of its quarter (MQ: 7/8, 5/8, 3/8, 1/8); the months
// from the middle of its month (MM: (12 - month + 0.5) / 12); the whole year without one.
YearPart FirstYearPart(Convention convention, int month);

// The part of the year of disposal for an asset disposed of in `month`: half a year (HY); the
// quarters up to the middle of the disposal quarter (MQ: 1/8, 3/8, 5/8, 7/8); the months up to
// the middle of the disposal month (MM: (month - 0.5) / 12); the whole year without one.
YearPart DisposalYearPart(Convention convention, int month);

}  // namespace orvane
