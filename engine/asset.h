#pragma once
// The asset of one schedule as numbers and choices: what the depreciation rules take. Whoever
// reads an asset (the window's fields, a batch line) turns its texts into these.

#include <cstdint>
#include <optional>

namespace orvane {

enum class Method : std::uint8_t { None, Macrs, Ads, StraightLine, Amortize };

// The part of the first and the last year that counts; None for a method without one.
enum class Convention : std::uint8_t { HalfYear, MidQuarter, MidMonth, None };

// The special depreciation allowance taken in the first year.
enum class Allowance : std::uint8_t { None, Percent30, Percent50, Percent100 };

// A class of vehicle with yearly depreciation limits.
enum class Vehicle : std::uint8_t { None, Automobile, CleanFuelAutomobile, TruckOrVan };

// A number of the asset as it was read: its value, or the fault its reading met (its value is
// then 0). A schedule that uses a number that could not be read meets that fault where it uses
// it, each time it does.
struct Reading {
    double value = 0;
    int fault = 0;  // 0: read
};

// A month of the asset's life: its month (1 = January) and year, and whether the two read as a
// date; a schedule that needs the date of one that does not meets fault 13.
struct AssetMonth {
    int month = 0;
    int year = 0;
    bool dated = true;
};

// What the asset gave up in a like-kind exchange, which makes its basis.
struct Exchange {
    Reading sales_price;     // of the relinquished asset
    Reading adjusted_basis;  // of the relinquished asset
    // The adjusted cost worked out before; it stays when this one cannot be worked out.
    Reading adjusted_cost_before;
};

struct Asset {
    Method method = Method::None;
    Reading cost;          // read in full
    Reading cost_leading;  // its leading number: a vehicle's basis once the allowance is capped
    std::optional<Exchange> exchange;
    // The recovery period in years as given (27.5); without one, the life of the chosen class
    // (28 for 27.5); neither: no schedule.
    std::optional<Reading> recovery_period;
    std::optional<int> class_life;
    Vehicle vehicle = Vehicle::None;  // of the chosen class
    // The year is the one the rows count from (0: none); the month is 1 to 12.
    AssetMonth placed_in_service;
    std::optional<AssetMonth> sold;
    // The share of business use the rates and the vehicle limits are multiplied by (1: all).
    double business_use = 1;
    // The business use as given, when it is: a percentage above 1, a fraction up to 1. It
    // scales the basis the rows count down from, and ADS's basis when above 0.
    std::optional<Reading> business_percent;
    Convention convention = Convention::None;
    Allowance allowance = Allowance::None;
    Reading allowance_amount;  // the special allowance worked out for the checked percentage
};

}  // namespace orvane
