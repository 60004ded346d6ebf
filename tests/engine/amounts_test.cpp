// The amount functions of each method: what a year gets, which years get nothing, and the
// faults they raise.

#include "engine/amounts.h"

#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "base/fault.h"

namespace orvane {
namespace {

// The number of the fault `statement` raises, 0 for none.
template <class F>
int FaultOf(F&& statement) {
    try {
        statement();
    } catch (const Fault& f) {
        return f.number();
    }
    return 0;
}

// ------------------------------------------------------------------ MACRS tables

TEST(MacrsTableAmountTest, BusinessUseScalesTheFiveYearPercentsOnly) {
    EXPECT_DOUBLE_EQ(amount::MacrsTable(20000, 5, 1, 0, 0.75), 3000);     // 20% of 75%
    EXPECT_DOUBLE_EQ(amount::MacrsTable(20000, 5, 6, 0, 0.75), 864);      // 5.76% of 75%
    EXPECT_DOUBLE_EQ(amount::MacrsTable(20000, 5, 1, 4, 0.75), 750);      // 5% of 75%
    EXPECT_DOUBLE_EQ(amount::MacrsTable(20000, 3, 1, 0, 0.75), 6666);     // 33.33%
    EXPECT_DOUBLE_EQ(amount::MacrsTable(20000, 7, 1, 0, 0.75), 2858);     // 14.29%
    EXPECT_DOUBLE_EQ(amount::MacrsTable(20000, 20, 21, 3, 0.75), 557.6);  // 2.788%
}

TEST(MacrsTableAmountTest, ALifeWithoutATableOrAYearBeyondItIsFaultNine) {
    for (double life : {0.0, 4.0, 5.5, 25.0, 27.5, 39.0})
        EXPECT_EQ(FaultOf([&] { amount::MacrsTable(1000, life, 1, 0, 1); }), 9) << life;
    EXPECT_EQ(FaultOf([] { amount::MacrsTable(1000, 5, 7, 0, 1); }), 9);
    EXPECT_EQ(FaultOf([] { amount::MacrsTable(1000, 5, 0, 2, 1); }), 9);
    EXPECT_EQ(FaultOf([] { amount::MacrsTable(1000, 5, 1, 5, 1); }), 9);
    EXPECT_TRUE(amount::HasMacrsTable(15));
    EXPECT_FALSE(amount::HasMacrsTable(15.5));
}

TEST(MidMonthAmountTest, BasisTimesTheRateOrNothing) {
    EXPECT_DOUBLE_EQ(*amount::MidMonth(RealProperty::Residential275, 200000, 29, 7), 304);
    EXPECT_FALSE(amount::MidMonth(RealProperty::Residential275, 200000, 29, 6));
    EXPECT_DOUBLE_EQ(*amount::MidMonth(RealProperty::NonResidential39, 200000, 1, 12), 214);
    EXPECT_FALSE(amount::MidMonth(RealProperty::NonResidential39, 200000, 41, 12));
}

// ------------------------------------------------------------------ straight line

struct LifeMonth {
    int life;
    int month;
};
void PrintTo(const LifeMonth& c, std::ostream* os) {
    *os << c.life << " years from month " << c.month;
}
std::string LifeMonthName(const ::testing::TestParamInfo<LifeMonth>& info) {
    return "Life" + std::to_string(info.param.life) + "_Month" + std::to_string(info.param.month);
}
std::vector<LifeMonth> LivesAndMonths() {
    std::vector<LifeMonth> v;
    for (int life : {1, 2, 5, 9, 17, 40, 43}) {
        for (int month : {1, 4, 7, 12})
            v.push_back({life, month});
    }
    return v;
}

class StraightLineTest : public ::testing::TestWithParam<LifeMonth> {};

TEST_P(StraightLineTest, WholeMonthsAtBothEndsAndTheBasisInFull) {
    auto [life, m] = GetParam();
    const double basis = 123456.78;
    const double share = basis / life;
    EXPECT_FALSE(amount::StraightLine(basis, life, 0, m));
    EXPECT_DOUBLE_EQ(*amount::StraightLine(basis, life, 1, m), share * (13 - m) / 12);
    double sum = *amount::StraightLine(basis, life, 1, m);
    for (int y = 2; y <= life; ++y) {
        EXPECT_DOUBLE_EQ(*amount::StraightLine(basis, life, y, m), share) << "year " << y;
        sum += share;
    }
    auto last = amount::StraightLine(basis, life, life + 1, m);
    ASSERT_TRUE(last);
    EXPECT_NEAR(*last, share * (m - 1) / 12, 1e-9);
    EXPECT_NEAR(sum + *last, basis, 1e-6);
    EXPECT_FALSE(amount::StraightLine(basis, life, life + 2, m));
}

INSTANTIATE_TEST_SUITE_P(Lives, StraightLineTest, ::testing::ValuesIn(LivesAndMonths()),
                         LifeMonthName);

TEST(StraightLineTest, AHalfYearLifeEndsWithAFullYear) {
    // 27.5 years: years 2 to 28 are full (28.5 rounds to the even 28), year 29 has nothing.
    EXPECT_DOUBLE_EQ(*amount::StraightLine(55000, 27.5, 28, 5), 2000);
    EXPECT_FALSE(amount::StraightLine(55000, 27.5, 29, 5));
}

TEST(StraightLineTest, ALifeOfZeroDividesByZero) {
    EXPECT_EQ(FaultOf([] { amount::StraightLine(100, 0, 1, 3); }), 11);
    EXPECT_EQ(FaultOf([] { amount::StraightLine(0, 0, 1, 3); }), 6);  // 0 / 0
}

// ------------------------------------------------------------------ ADS

struct AdsCase {
    const char* name;
    int quarter;
    double first_rate;  // of an 8-year life: the fraction / 8, four decimals, halves to even
    double last_rate;
};
void PrintTo(const AdsCase& c, std::ostream* os) {
    *os << c.name;
}

class AdsTest : public ::testing::TestWithParam<AdsCase> {};

TEST_P(AdsTest, FirstAndLastYearsTakeTheQuarterFraction) {
    const AdsCase& c = GetParam();
    const double basis = 80000;
    EXPECT_DOUBLE_EQ(*amount::Ads(basis, 8, 1, c.quarter), basis * c.first_rate);
    for (int y = 2; y <= 8; ++y)
        EXPECT_DOUBLE_EQ(*amount::Ads(basis, 8, y, c.quarter), 10000) << "year " << y;
    EXPECT_DOUBLE_EQ(*amount::Ads(basis, 8, 9, c.quarter), basis * c.last_rate);
    EXPECT_FALSE(amount::Ads(basis, 8, 10, c.quarter));
    EXPECT_FALSE(amount::Ads(basis, 8, 0, c.quarter));
}

INSTANTIATE_TEST_SUITE_P(Quarters, AdsTest,
                         ::testing::Values(AdsCase{"HalfYear", 0, 0.0625, 0.0625},
                                           AdsCase{"Quarter1", 1, 0.1094, 0.0156},
                                           AdsCase{"Quarter2", 2, 0.0781, 0.0469},
                                           AdsCase{"Quarter3", 3, 0.0469, 0.0781},
                                           AdsCase{"Quarter4", 4, 0.0156, 0.1094}),
                         [](const ::testing::TestParamInfo<AdsCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(AdsTest, TheRateIsRoundedToFourDecimalsHalvesToEven) {
    EXPECT_DOUBLE_EQ(*amount::Ads(100000, 16, 1, 0), 3120);   // 0.03125 -> 0.0312
    EXPECT_DOUBLE_EQ(*amount::Ads(100000, 7, 1, 0), 7140);    // 0.0714285... -> 0.0714
    EXPECT_DOUBLE_EQ(*amount::Ads(100000, 16, 17, 2), 2340);  // 0.0234375 -> 0.0234
}

TEST(AdsTest, AnUnknownQuarterHasNoFirstOrLastYear) {
    EXPECT_FALSE(amount::Ads(1000, 5, 1, 5));
    EXPECT_FALSE(amount::Ads(1000, 5, 6, -1));
    EXPECT_DOUBLE_EQ(*amount::Ads(1000, 5, 3, 5), 200);
}

}  // namespace
}  // namespace orvane
