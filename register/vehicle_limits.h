#pragma once
// The yearly vehicle limits the register computes with: read from the limit files the program
// ships and the limit editor maintains, with the unconfirmed 2026 row the files leave out.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/tax_year.h"

namespace orvane::reg {

class VehicleLimitTable {
  public:
    static constexpr int kFirstYear = 1987;
    static constexpr int kLastYear = 2100;

    // The limits of a passenger automobile (Kind::Auto) or a light truck or van (Kind::Truck)
    // placed in service in `year`; nothing when no file holds the year. Trucks and vans took
    // the automobiles' limits before their own table began (2003).
    const VehicleLimitYear* For(Kind kind, int year) const;
    void Set(char file_kind, int year, const VehicleLimitYear& limits);

  private:
    static constexpr std::size_t kYears = kLastYear - kFirstYear + 1;
    std::array<std::optional<VehicleLimitYear>, kYears> autos_, trucks_;
};

// Reads AutoMax.DAT and TruckMax.DAT in `folder` for every year they hold; 2026, when they do
// not hold it, from the unconfirmed row. What the files report is added to `problems`.
VehicleLimitTable LoadVehicleLimits(const std::filesystem::path& folder,
                                    std::vector<std::string>& problems);

}  // namespace orvane::reg
