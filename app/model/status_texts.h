#pragma once
// The main window's status line texts of a calculation, and the method captions of a schedule.

#include <string_view>

namespace orvane {

namespace status {
inline constexpr std::string_view kCostMissing = "Cost Missing! ";
inline constexpr std::string_view kMethodMissing = "Method Missing! ";
inline constexpr std::string_view kInServiceMissing = "In service date is missing! ";
inline constexpr std::string_view kInServiceInvalid = "In service date is invalid! ";
inline constexpr std::string_view kLifeMissing = "Life Missing! ";
inline constexpr std::string_view kLifeOver43 = "Life Can't be greater than 43! ";
inline constexpr std::string_view kMacrsLife = "Life must be 3,5,7,10,15,20,27.5,31.5,39! ";
inline constexpr std::string_view kMacrsBusiness =
    "MACRS Buisness Percent must be between 51% and 100%. Use ADS for less then 50%.";
inline constexpr std::string_view kAdjTaxBasisRequired =
    "Adj Tax Basis is required if Sales Price is populated! ";
inline constexpr std::string_view kSalesPriceRequired =
    "Sales Price is required if Adj Tax Basis is populated! ";
inline constexpr std::string_view kBonus30Date = "In service date needs to be after 9/2001! ";
inline constexpr std::string_view kBonus50Date = "In service date needs to be after 5/5/2003! ";
inline constexpr std::string_view kNoLifeOrClass = "Please select a life or a class.";
inline constexpr std::string_view kBusinessRequired = "Business Percent is required.";
inline constexpr std::string_view kNoVehicleLimits =
    "Use Tools/Automobile Max Amounts to enter the max auto depr amount for this year.";
inline constexpr std::string_view kVehicleOver43 =
    "Can't display total depreciation. The life greater then 43 !";
inline constexpr std::string_view kVehicleLimitsUnavailable =
    "Vehicle limits are not available: no limit files are set up.";
}  // namespace status

namespace caption {
inline constexpr std::string_view kMacrs200 = "Method: MACRS 200% DB";
inline constexpr std::string_view kMacrs150 = "Method: MACRS 150% DB";
inline constexpr std::string_view kMacrsStraight = "Method: MACRS- Straight Line";
inline constexpr std::string_view kAds = "Method: ADS- Straight Line";
inline constexpr std::string_view kLuxuryAuto = "Method: MACRS-200% DB Luxury Auto";
}  // namespace caption

}  // namespace orvane
