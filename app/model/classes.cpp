#include "app/model/classes.h"

#include <array>

namespace orvane {
namespace {

constexpr std::array<AssetClass, 28> kMacrs = {{
    {"Airplanes(non-passenger)(5)", 5},
    {"Automobiles (5)", 5},
    {"Automobiles, Clean Fuel (5)", 5},
    {"Buildings pre 5/13/93 (31.5)", 32},
    {"Buildings post 5/12/93 (39)", 39},
    {"Buildings residential 27.5)", 28},
    {"Buses (5)", 5},
    {"Calculators (5)", 5},
    {"Computers & Peripheral(5)", 5},
    {"Construction Equip (5)", 5},
    {"Copier (5)", 5},
    {"Desks (7)", 7},
    {"File Cabients (7)", 7},
    {"Furnishings - Office (7)", 7},
    {"Land Improvements (15)", 15},
    {"Mining (7)", 7},
    {"Mobile Homes (27.5)", 28},
    {"Oil & Gas Drilling (5)", 5},
    {"Phone Systems (5)", 5},
    {"Printers - computers (5)", 5},
    {"Personel Property/no life(7)", 7},
    {"Recreation (7)", 7},
    {"Safes (7)", 7},
    {"Taxis (5)", 5},
    {"Trailers (3)", 3},
    {"Trucks (5)", 5},
    {"Truck/Van (5)", 5},
    {"Vessels, Barges, Tugs (10)", 10},
}};

constexpr std::array<AssetClass, 22> kAds = {{
    {"Airplanes(Non commerical)(6)", 6},
    {"Automobiles (5)", 5},
    {"Buses (9)", 9},
    {"Calculators (6)", 6},
    {"Computers & Peripheral(5)", 5},
    {"Construction Equip (6)", 6},
    {"Copier (6)", 6},
    {"Desks (10)", 10},
    {"File Cabients (10)", 10},
    {"Furnishings - Office (10)", 10},
    {"Land Improvements (20)", 20},
    {"Mining (10)", 10},
    {"Personel Property, no life (12)", 12},
    {"Printers - computers (5)", 5},
    {"Oil & Gas Drilling (6)", 6},
    {"Real Property, no life (40)", 40},
    {"Recreation (10)", 10},
    {"Taxis (5)", 5},
    {"Trailers (6)", 6},
    {"Trucks, light (5)", 5},
    {"Trucks > 13,000lbs (6)", 6},
    {"Vessels, Barges, Tugs (18)", 18},
}};

constexpr std::array<std::string_view, 7> kListedProperty = {
    "Airplanes(non-passenger)(5)",
    "Trucks, light (5)",
    "Trucks (5)",
    "Printers - computers (5)",
    "Computers & Peripheral(5)",
    "Automobiles, Clean Fuel (5)",
    "Automobiles (5)",
};

}  // namespace

std::span<const AssetClass> MacrsClasses() {
    return kMacrs;
}
std::span<const AssetClass> AdsClasses() {
    return kAds;
}

bool BusinessUseApplies(std::string_view text, std::int32_t life) {
    if (life != 5) return false;
    for (auto listed : kListedProperty) {
        if (text == listed) return true;
    }
    return false;
}

Vehicle VehicleOf(std::string_view text) {
    if (text.starts_with("Automobiles ")) return Vehicle::Automobile;
    if (text.starts_with("Automobiles, Clean Fuel")) return Vehicle::CleanFuelAutomobile;
    if (text.starts_with("Truck/Van")) return Vehicle::TruckOrVan;
    return Vehicle::None;
}

}  // namespace orvane
