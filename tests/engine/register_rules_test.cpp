// The register's rules, one table or worked example each: the mid-quarter test (with
// Publication 946's own example), the special allowance's dates, section 179's phase-out and
// income cap, the vehicle limits, the disposal year's share and drift against what was carried
// in.

#include <gtest/gtest.h>

#include "engine/bonus_allowance.h"
#include "engine/section179.h"
#include "tests/engine/register_helpers.h"

namespace orvane::reg {
namespace {

using testing::ComputeAll;
using testing::Personal;
using testing::YearTotal;

constexpr Cents kDollar = 100;

// Publication 946's example (machine, furniture, computer): its mid-quarter figures are a
// golden register; under the half-year convention the first year would have been $1,714.50.
TEST(MidQuarter, Pub946ExampleUnderTheHalfYearConvention) {
    std::vector<AssetInput> assets = {Personal(7, Day::Of(2024, 1, 10), 4000 * kDollar),
                                      Personal(7, Day::Of(2024, 9, 5), 1000 * kDollar),
                                      Personal(5, Day::Of(2024, 10, 20), 5000 * kDollar)};
    EXPECT_TRUE(ComputeAll(assets, 2024).years.at(2024).mid_quarter);
    for (AssetInput& a : assets)
        a.convention = Convention::HalfYear;
    EXPECT_EQ(YearTotal(ComputeAll(assets, 2024), 2024), 171450);
}

struct QuarterCase {
    const char* what;
    std::vector<AssetInput> assets;
    bool mid_quarter;
};

AssetInput With(AssetInput a, void (*change)(AssetInput&)) {
    change(a);
    return a;
}

TEST(MidQuarter, WhatTheTestCounts) {
    const Day q1 = Day::Of(2025, 2, 1), q4 = Day::Of(2025, 11, 1);
    const QuarterCase cases[] = {
        {"exactly 40% stays half-year",
         {Personal(7, q1, 6000 * kDollar), Personal(5, q4, 4000 * kDollar)},
         false},
        {"a cent over 40% is mid-quarter",
         {Personal(7, q1, 6000 * kDollar), Personal(5, q4, 4000 * kDollar + 1)},
         true},
        {"real property is left out",
         {Personal(7, q1, 5000 * kDollar), Personal(5, q4, 4000 * kDollar),
          With(Personal(0, q1, 100'000 * kDollar),
               [](AssetInput& a) { a.kind = Kind::Residential; })},
         true},
        {"a disposal in the year placed in service is left out (first quarter)",
         {Personal(7, q1, 5000 * kDollar), Personal(5, q4, 4000 * kDollar),
          With(Personal(7, q1, 10'000 * kDollar),
               [](AssetInput& a) { a.disposed = Day::Of(2025, 6, 1); })},
         true},
        {"a disposal in the year placed in service is left out (fourth quarter)",
         {Personal(7, q1, 7000 * kDollar), Personal(5, q4, 4000 * kDollar),
          With(Personal(7, q4, 10'000 * kDollar),
               [](AssetInput& a) { a.disposed = Day::Of(2025, 12, 20); })},
         false},
        {"section 179 on a first-quarter asset flips the year",
         {With(Personal(7, q1, 7000 * kDollar),
               [](AssetInput& a) { a.section179 = 2000 * kDollar; }),
          Personal(5, q4, 4000 * kDollar)},
         true},
        {"the allowance on it does not",
         {With(Personal(7, q1, 7000 * kDollar),
               [](AssetInput& a) { a.allowance = AllowanceMode::Auto; }),
          Personal(5, q4, 4000 * kDollar)},
         false},
    };
    for (const QuarterCase& c : cases) {
        const auto computed = ComputeAll(c.assets, 2025);
        EXPECT_EQ(computed.years.at(2025).mid_quarter, c.mid_quarter) << c.what;
        const Convention want = c.mid_quarter ? Convention::MidQuarter : Convention::HalfYear;
        EXPECT_EQ(computed.schedules[0].convention, want) << c.what;
    }
}

TEST(Allowance, PercentOnBothSidesOfTheDates) {
    struct Case {
        Day acquired, placed;
        int percent;
    } const cases[] = {
        {Day::Of(2017, 9, 27), Day::Of(2017, 10, 15), 50},
        {Day::Of(2017, 9, 28), Day::Of(2017, 10, 15), 100},
        {Day::Of(2017, 9, 27), Day::Of(2018, 3, 1), 40},
        {Day::Of(2017, 9, 27), Day::Of(2019, 3, 1), 30},
        {Day::Of(2017, 9, 27), Day::Of(2020, 3, 1), 0},
        {Day::Of(2022, 6, 1), Day::Of(2022, 12, 31), 100},
        {Day::Of(2022, 6, 1), Day::Of(2023, 1, 1), 80},
        {Day::Of(2023, 5, 1), Day::Of(2024, 7, 1), 60},
        {Day::Of(2025, 1, 19), Day::Of(2025, 3, 1), 40},
        {Day::Of(2025, 1, 20), Day::Of(2025, 3, 1), 100},
        {Day::Of(2024, 6, 1), Day::Of(2026, 2, 1), 20},
        {Day::Of(2024, 6, 1), Day::Of(2027, 2, 1), 0},
        {Day::Of(2026, 3, 1), Day::Of(2026, 4, 1), 100},
        {Day::Of(2010, 9, 8), Day::Of(2011, 5, 1), 50},
        {Day::Of(2010, 9, 9), Day::Of(2011, 5, 1), 100},
        {Day::Of(2010, 10, 1), Day::Of(2012, 1, 1), 50},
        {Day::Of(2007, 6, 1), Day::Of(2007, 6, 1), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AllowancePercentByDates(c.acquired, c.placed), c.percent)
            << c.acquired.ymd << " / " << c.placed.ymd;
    // Elections: 40% instead of 100% in 2025, 50% instead of 100% in 2017, none; nothing else.
    EXPECT_TRUE(AllowancePercentAllowed(40, Day::Of(2025, 2, 1), Day::Of(2025, 6, 1)));
    EXPECT_FALSE(AllowancePercentAllowed(40, Day::Of(2025, 2, 1), Day::Of(2026, 6, 1)));
    EXPECT_TRUE(AllowancePercentAllowed(50, Day::Of(2017, 10, 1), Day::Of(2017, 11, 1)));
    EXPECT_FALSE(AllowancePercentAllowed(55, Day::Of(2025, 2, 1), Day::Of(2025, 6, 1)));
    EXPECT_TRUE(AllowancePercentAllowed(0, Day::Of(2025, 2, 1), Day::Of(2025, 6, 1)));
    EXPECT_TRUE(AllowancePercentAllowed(30, Day::Of(2003, 2, 1), Day::Of(2003, 6, 1)));
    // Who gets it: not real property, not listed property used 50% or less, not 25 years;
    // property under an elected ADS keeps it.
    AssetInput a = Personal(10, Day::Of(2025, 3, 1), 1000);
    a.system = System::Ads;
    EXPECT_TRUE(AllowanceEligible(a, 24));
    a.kind = Kind::Residential;
    EXPECT_FALSE(AllowanceEligible(a, 55));
    a = Personal(25, Day::Of(2025, 3, 1), 1000);
    EXPECT_FALSE(AllowanceEligible(a, 50));
    a.kind = Kind::Auto;
    a.business_bp = 5000;
    EXPECT_FALSE(AllowanceEligible(a, 10));
}

TEST(Section179, PhaseOutAndTheElectionsItCuts) {
    Section179Sums sums;
    sums.property_cost = 4'300'000 * kDollar;
    sums.elected = 2'500'000 * kDollar;
    const Section179Lines l = FigureSection179(2025, sums, std::nullopt, 0);
    EXPECT_EQ(l.line1, 2'500'000);
    EXPECT_EQ(l.line3, 4'000'000);
    EXPECT_EQ(l.line4, 300'000);
    EXPECT_EQ(l.line5, 2'200'000);
    EXPECT_EQ(l.line9, 2'200'000);
    // Each asset's election falls in proportion.
    AssetInput a = Personal(7, Day::Of(2025, 3, 1), 4'300'000 * kDollar);
    a.section179 = 2'500'000 * kDollar;
    const auto c = ComputeAll({a}, 2025);
    EXPECT_EQ(c.schedules[0].section179, 2'200'000 * kDollar);
    EXPECT_TRUE(c.schedules[0].notes & kNoteSection179Scaled);
}

TEST(Section179, IncomeCapAndCarryover) {
    Section179Sums sums;
    sums.property_cost = sums.elected_cost = 150'000 * kDollar;
    sums.elected = 100'000 * kDollar;
    Section179Lines l = FigureSection179(2024, sums, 60'000, 10'000);
    EXPECT_EQ(l.line9, 100'000);
    EXPECT_EQ(l.line10, 10'000);
    EXPECT_EQ(l.line11, 60'000);
    EXPECT_EQ(l.line12, 60'000);
    EXPECT_EQ(l.line13, 50'000);
    l = FigureSection179(2024, sums, -5'000, 0);
    EXPECT_EQ(l.line11, 0);
    EXPECT_EQ(l.line13, 100'000);
    l = FigureSection179(2024, sums, std::nullopt, 0);
    EXPECT_EQ(l.line12, 100'000);
}

TEST(Vehicles, PassengerAutoCappedByItsYearsLimits) {
    const VehicleLimitYear y2024 = {0, 12'400, 19'800, 11'900, 7'160, 20'400, false};
    AssetInput car;
    car.kind = Kind::Auto;
    car.placed = Day::Of(2024, 5, 1);
    car.acquired = Day::Of(2023, 6, 1);  // 60%
    car.cost = 50'000 * kDollar;
    const auto c = ComputeAll({car}, 2024, &y2024);
    const Schedule& s = c.schedules[0];
    EXPECT_EQ(s.allowance_percent, 60);
    EXPECT_EQ(s.depreciable_basis, 20'000 * kDollar);
    // The first year's $34,000 is cut to $20,400; after the six years of the recovery period
    // what is left goes at the later years' $7,160.
    const Cents want[] = {20'400, 6'400, 3'840, 2'304, 2'304, 1'152, 7'160, 6'440};
    ASSERT_EQ(s.count, std::size(want));
    for (std::size_t i = 0; i < s.count; ++i)
        EXPECT_EQ(s.rows[i].total(), want[i] * kDollar) << 2024 + i;
    EXPECT_EQ(s.rows[s.count - 1].basis_left, 0);
    EXPECT_TRUE(s.notes & kNoteVehicleLimited);
    // At 60% business use every limit is 60% of itself.
    car.business_bp = 6000;
    EXPECT_EQ(ComputeAll({car}, 2024, &y2024).schedules[0].rows[0].total(), 12'240 * kDollar);
    // 2026 computes with the unconfirmed row and says so.
    car.business_bp = 10000;
    car.placed = car.acquired = Day::Of(2026, 2, 1);
    const auto c26 = ComputeAll({car}, 2026, &kVehicleLimits2026);
    EXPECT_EQ(c26.schedules[0].rows[0].total(), 20'300 * kDollar);
    EXPECT_TRUE(c26.schedules[0].notes & kNoteVehicleLimitsUnconfirmed);
}

TEST(Disposal, ShareOfTheYearByConvention) {
    AssetInput hy = Personal(5, Day::Of(2020, 3, 1), 10'000 * kDollar);
    hy.disposed = Day::Of(2022, 8, 1);
    hy.proceeds = 5'000 * kDollar;
    auto c = ComputeAll({hy}, 2022);
    ASSERT_EQ(c.schedules[0].count, 3u);
    EXPECT_EQ(c.schedules[0].rows[2].depreciation, 960 * kDollar);  // half of 19.20%
    EXPECT_EQ(*c.schedules[0].gain_loss, 1'160 * kDollar);          // 5,000 - (10,000 - 6,160)

    AssetInput mq = Personal(5, Day::Of(2020, 11, 1), 10'000 * kDollar);  // alone: mid-quarter
    mq.disposed = Day::Of(2022, 2, 15);
    c = ComputeAll({mq}, 2022);
    EXPECT_EQ(c.schedules[0].rows[2].depreciation, 28'500);  // 12.5% of 22.80%

    AssetInput mm = Personal(0, Day::Of(2010, 1, 15), 100'000 * kDollar);
    mm.kind = Kind::Residential;
    mm.recovery_halves = 0;
    mm.disposed = Day::Of(2020, 7, 10);
    c = ComputeAll({mm}, 2020);
    EXPECT_EQ(c.schedules[0].rows[10].depreciation, 196'950);  // 6.5 / 12 of 3.636%

    AssetInput same = Personal(7, Day::Of(2024, 2, 1), 10'000 * kDollar);
    same.allowance = AllowanceMode::Auto;
    same.disposed = Day::Of(2024, 10, 1);
    c = ComputeAll({same}, 2024);
    ASSERT_EQ(c.schedules[0].count, 1u);
    EXPECT_EQ(c.schedules[0].rows[0].total(), 0);
}

TEST(Drift, CarriedInAgainstTheRecomputed) {
    AssetInput a = Personal(5, Day::Of(2020, 3, 1), 10'000 * kDollar);
    a.prior = 3'000 * kDollar;
    a.prior_through = 2020;
    auto c = ComputeAll({a}, 2021);
    EXPECT_EQ(*c.schedules[0].drift, 1'000 * kDollar);
    EXPECT_EQ(c.schedules[0].Row(2021)->accumulated, 6'200 * kDollar);
    EXPECT_EQ(c.schedules[0].Row(2025)->depreciation, 0);  // nothing beyond the cost
    a.prior = 2'000 * kDollar + 50;                        // within a dollar
    c = ComputeAll({a}, 2021);
    EXPECT_FALSE(c.schedules[0].drift.has_value());
    EXPECT_EQ(c.schedules[0].Row(2020)->accumulated, a.prior);
}

}  // namespace
}  // namespace orvane::reg
