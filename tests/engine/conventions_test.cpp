// The parts of a year the conventions give, shared by the window's schedules and the register.

#include "engine/conventions.h"

#include <random>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(ConventionsTest, FirstAndDisposalPartsOfOneMonthMakeAWholeYear) {
    for (Convention c : {Convention::HalfYear, Convention::MidQuarter, Convention::MidMonth}) {
        for (int m = 1; m <= 12; ++m) {
            const YearPart first = FirstYearPart(c, m), last = DisposalYearPart(c, m);
            EXPECT_EQ(first.In96() + last.In96(), 96) << static_cast<int>(c) << " month " << m;
            EXPECT_DOUBLE_EQ(first.Fraction() * 96, first.In96());
        }
    }
    // Pub 946: mid-quarter 87.5% for the first quarter, 12.5% for the fourth; mid-month 11.5
    // months for January.
    EXPECT_EQ(FirstYearPart(Convention::MidQuarter, 2).Fraction(), 0.875);
    EXPECT_EQ(FirstYearPart(Convention::MidQuarter, 12).Fraction(), 0.125);
    EXPECT_EQ(FirstYearPart(Convention::MidMonth, 1).In96(), 92);
    EXPECT_EQ(DisposalYearPart(Convention::None, 5).Of(123.45), 123.45);
}

TEST(ConventionsTest, TheYearOfSaleIsCutAsTheWindowAlwaysCutIt) {
    // The window's own arithmetic, bit for bit: half the amount, the quarter's fraction, the
    // months up to the middle of the month over 12.
    constexpr double kQuarterPart[] = {0.125, 0.375, 0.625, 0.875};
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> amounts(0, 1e9);
    for (int i = 0; i < 2000; ++i) {
        const double a = amounts(random);
        const int m = i % 12 + 1;
        EXPECT_EQ(DisposalYearPart(Convention::HalfYear, m).Of(a), a / 2);
        EXPECT_EQ(DisposalYearPart(Convention::MidQuarter, m).Of(a), a * kQuarterPart[(m - 1) / 3]);
        EXPECT_EQ(DisposalYearPart(Convention::MidMonth, m).Of(a), a * (m - 0.5) / 12);
    }
}

}  // namespace
}  // namespace orvane
