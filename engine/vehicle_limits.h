#pragma once
// Where a vehicle's schedule finds the yearly depreciation limits of the year it was placed in
// service.

#include <array>
#include <optional>

#include "engine/asset.h"

namespace orvane {

// The six limits of one tax year, in this order: the first year with the 30% allowance, the
// first, second, third, fourth and later years, the first year with the 50% (and 100%)
// allowance. Each as read: a limit that is no number faults where the schedule uses it.
using VehicleLimits = std::array<Reading, 6>;

class VehicleLimitSource {
  public:
    virtual ~VehicleLimitSource() = default;
    // The limits recorded for `year` (0 to 9999) for a kind of vehicle; nothing when no record
    // has that year. It reports its own faults.
    virtual std::optional<VehicleLimits> Lookup(Vehicle kind, int year) = 0;
};

}  // namespace orvane
