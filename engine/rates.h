#pragma once
// The MACRS percentage tables, held as fractions of 1 with the published digits.

#include <optional>
#include <span>

namespace orvane {

// The half-year table (quarter 0) or the mid-quarter table of quarter 1 to 4 for a recovery
// class of 3, 5, 7, 10, 15 or 20 years; an empty span for any other class or quarter.
std::span<const double> MacrsRates(int quarter, int life);

enum class RealProperty { Residential275, NonResidential315, NonResidential39 };

// The mid-month straight-line rate of a real-property table for a schedule year and the month
// placed in service (1 = January); nothing where the table has no rate.
std::optional<double> RealPropertyRate(RealProperty table, int year, int month);

}  // namespace orvane
