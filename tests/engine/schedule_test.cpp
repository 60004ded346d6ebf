// The engine's schedule over numbers: published MACRS figures and the books balancing, the
// faults a schedule meets with the step and year where it met them, a like-kind exchange, the
// vehicle limits (a sale year is a golden command-line case), and the working amounts' 15 digits
// against their texts read back.

#include "engine/schedule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "base/fault.h"
#include "base/numtext.h"

namespace orvane {
namespace {

Asset Macrs(double cost, double life) {
    Asset a;
    a.method = Method::Macrs;
    a.cost = a.cost_leading = {cost, 0};
    a.recovery_period = Reading{life, 0};
    a.placed_in_service = {1, 2004, true};
    a.convention = Convention::HalfYear;
    return a;
}

Schedule Compute(const Asset& a, VehicleLimitSource* limits = nullptr) {
    Schedule s;
    ComputeSchedule(a, limits, s);
    return s;
}

// IRS Publication 946, Table A-1 (half-year convention), 5-year property: 20.00, 32.00, 19.20,
// 11.52, 11.52 and 5.76 percent; each year's basis left is the cost less the rounded years.
TEST(ScheduleTest, FiveYearHalfYearTableAndTheBooksBalance) {
    const Schedule s = Compute(Macrs(10000, 5));
    const double expected[] = {2000, 3200, 1920, 1152, 1152, 576};
    ASSERT_EQ(s.rows.size(), 6u);
    double taken = 0;
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_NEAR(s.rows[i].depreciation, expected[i], 1e-9) << i;
        EXPECT_EQ(s.rows[i].year, 2004 + static_cast<int>(i));
        taken += RoundEven(s.rows[i].depreciation, 2);
        EXPECT_NEAR(s.rows[i].basis_left, std::max(0.0, 10000 - taken), 1e-6) << i;
    }
    EXPECT_EQ(s.caption, Caption::Macrs200);
    EXPECT_EQ(s.ending, Ending::Completed);
    EXPECT_TRUE(s.faults.empty());
    EXPECT_EQ(s.adjusted_cost.state, WorkedAmount::State::None);
}

TEST(ScheduleTest, AFaultedYearGoesOnWithoutAnAmountAndIsRecordedWhereItHappened) {
    Asset a = Macrs(100, 0);
    a.method = Method::StraightLine;
    a.convention = Convention::None;
    const Schedule s = Compute(a);
    ASSERT_EQ(s.faults.size(), 1u);
    EXPECT_EQ(s.faults[0].step, Step::Calculation);
    EXPECT_EQ(s.faults[0].number, 11);  // division by zero
    EXPECT_EQ(s.faults[0].year_number, 1);
    ASSERT_EQ(s.rows.size(), 1u);
    EXPECT_EQ(s.rows[0].depreciation, 0);
    EXPECT_EQ(s.rows[0].basis_left, 100);
    EXPECT_EQ(s.ending, Ending::Completed);
    EXPECT_EQ(s.caption, Caption::None);
}

// A cost that could not be read faults where the basis is read, and again for every row.
TEST(ScheduleTest, AnUnreadableCostFaultsTheBasisAndEveryRow) {
    Asset a = Macrs(0, 5);
    a.cost = {0, 13};
    const Schedule s = Compute(a);
    EXPECT_TRUE(s.rows.empty());
    ASSERT_EQ(s.faults.size(), 7u);
    EXPECT_EQ(s.faults[0].step, Step::Calculation);
    EXPECT_EQ(s.faults[0].year_number, 0);
    for (int year = 1; year <= 6; ++year) {
        EXPECT_EQ(s.faults[static_cast<std::size_t>(year)].step, Step::Row);
        EXPECT_EQ(s.faults[static_cast<std::size_t>(year)].year_number, year);
    }
}

TEST(ScheduleTest, AFaultOutsideAnyStepStopsTheSchedule) {
    Asset a = Macrs(10000, 5);
    a.business_percent = Reading{0, 6};
    const Schedule s = Compute(a);
    EXPECT_EQ(s.ending, Ending::Stopped);
    EXPECT_TRUE(s.rows.empty());
    ASSERT_EQ(s.faults.size(), 1u);
    EXPECT_EQ(s.faults[0].number, 6);
}

TEST(ScheduleTest, ExchangeBasisIsCostLessSalesPriceAndAllowancePlusAdjustedBasis) {
    Asset a = Macrs(10000, 7);
    a.exchange = Exchange{{4000, 0}, {3000.5, 0}, {}};
    const Schedule s = Compute(a);
    EXPECT_EQ(s.adjusted_cost.state, WorkedAmount::State::Worked);
    EXPECT_EQ(s.adjusted_cost.value, 9000.5);
    EXPECT_NEAR(s.rows[0].depreciation, 9000.5 * 0.1429, 1e-9);  // Table A-1, 7-year: 14.29%
}

class Limits final : public VehicleLimitSource {
  public:
    VehicleLimits limits{};
    int lookups = 0;
    std::optional<VehicleLimits> Lookup(Vehicle, int year) override {
        ++lookups;
        if (year != 2004) return std::nullopt;
        return limits;
    }
};

TEST(ScheduleTest, AVehicleAllowanceIsCappedToTheFirstYearLimit) {
    Asset a = Macrs(30000, 5);
    a.recovery_period.reset();
    a.class_life = 5;
    a.vehicle = Vehicle::Automobile;
    a.allowance = Allowance::Percent30;
    a.allowance_amount = {9000, 0};
    Limits source;
    source.limits = {{{7660, 0}, {3060, 0}, {4900, 0}, {2950, 0}, {1775, 0}, {10610, 0}}};
    const Schedule s = Compute(a, &source);
    EXPECT_TRUE(s.vehicle_road);
    EXPECT_EQ(s.caption, Caption::LuxuryAuto);
    ASSERT_FALSE(s.faults.empty());
    EXPECT_EQ(s.faults[0].step, Step::AllowanceCapped);
    EXPECT_EQ(s.faults[0].amount, 7660);
    EXPECT_EQ(s.allowance.value, 7660);
    EXPECT_EQ(s.rows[0].depreciation, 0);
    EXPECT_EQ(s.rows[0].basis_left, 22340);

    a.placed_in_service.year = 2005;
    EXPECT_EQ(Compute(a, &source).ending, Ending::NoVehicleLimits);
    EXPECT_EQ(Compute(a, nullptr).ending, Ending::NoLimitSource);
}

// The working amounts hold what their texts read back: 15 significant digits.
TEST(Keep15DigitsTest, IsTheTextOfFifteenDigitsReadBack) {
    std::mt19937_64 random(15);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-320, 308);
    for (int i = 0; i < 20000; ++i) {
        const double x = mantissa(random) * std::pow(10.0, exponent(random));
        const Reading kept = Keep15Digits(x);
        try {
            const double read = Val(CStr(x));
            EXPECT_EQ(kept.fault, 0) << x;
            EXPECT_EQ(kept.value, read) << x;
        } catch (const Fault& f) {
            EXPECT_EQ(kept.fault, f.number()) << x;
        }
    }
    EXPECT_EQ(Keep15Digits(1.7976931348623157e308).fault, 6);
    EXPECT_EQ(Keep15Digits(INFINITY).value, Val(CStr(INFINITY)));
}

}  // namespace
}  // namespace orvane
