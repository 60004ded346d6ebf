#pragma once
// The asset class tables of the class list, with their stored whole-number lives.

#include <cstdint>
#include <span>
#include <string_view>

#include "engine/asset.h"

namespace orvane {

struct AssetClass {
    std::string_view text;
    std::int32_t life;  // 27.5 is stored as 28, 31.5 as 32
};

std::span<const AssetClass> MacrsClasses();
std::span<const AssetClass> AdsClasses();

// The seven 5-year listed-property classes that ask for the business-use percentage.
bool BusinessUseApplies(std::string_view text, std::int32_t life);

// The vehicle of a class, by the start of its text: "Automobiles " a passenger automobile,
// "Automobiles, Clean Fuel" a clean-fuel one, "Truck/Van" a truck or van, tried in this order.
Vehicle VehicleOf(std::string_view text);

}  // namespace orvane
