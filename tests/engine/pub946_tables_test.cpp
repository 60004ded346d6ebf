// The register's percentage tables against IRS Publication 946, Appendix A, typed out here
// from the publication: Table A-1 (half-year), A-2 to A-5 for 5 and 7 years, A-6 (residential
// rental, 27.5 years, with its alternating 3.637 / 3.636) and A-7a (nonresidential, 39 years);
// and the computed straight-line and declining-balance schedules against the printed ones.

#include "engine/pub946_tables.h"

#include <numeric>
#include <vector>

#include <gtest/gtest.h>

namespace orvane::reg {
namespace {

struct TableCase {
    int quarter;
    int life;
    std::vector<double> percent;
};

// clang-format off
const TableCase kGds[] = {
    {0, 3, {33.33, 44.45, 14.81, 7.41}},
    {0, 5, {20.00, 32.00, 19.20, 11.52, 11.52, 5.76}},
    {0, 7, {14.29, 24.49, 17.49, 12.49, 8.93, 8.92, 8.93, 4.46}},
    {0, 10, {10.00, 18.00, 14.40, 11.52, 9.22, 7.37, 6.55, 6.55, 6.56, 6.55, 3.28}},
    {0, 15, {5.00, 9.50, 8.55, 7.70, 6.93, 6.23, 5.90, 5.90, 5.91, 5.90, 5.91, 5.90, 5.91, 5.90,
             5.91, 2.95}},
    {0, 20, {3.750, 7.219, 6.677, 6.177, 5.713, 5.285, 4.888, 4.522, 4.462, 4.461, 4.462, 4.461,
             4.462, 4.461, 4.462, 4.461, 4.462, 4.461, 4.462, 4.461, 2.231}},
    {1, 5, {35.00, 26.00, 15.60, 11.01, 11.01, 1.38}},
    {2, 5, {25.00, 30.00, 18.00, 11.37, 11.37, 4.26}},
    {3, 5, {15.00, 34.00, 20.40, 12.24, 11.30, 7.06}},
    {4, 5, {5.00, 38.00, 22.80, 13.68, 10.94, 9.58}},
    {1, 7, {25.00, 21.43, 15.31, 10.93, 8.74, 8.75, 8.74, 1.09}},
    {2, 7, {17.85, 23.47, 16.76, 11.97, 8.87, 8.87, 8.87, 3.33}},
    {3, 7, {10.71, 25.51, 18.22, 13.02, 9.30, 8.85, 8.86, 5.53}},
    {4, 7, {3.57, 27.55, 19.68, 14.06, 10.04, 8.73, 8.73, 7.64}},
};
// clang-format on

std::int32_t Rate(double percent) {
    return static_cast<std::int32_t>(percent * 1000 + 0.5);
}

TEST(Pub946Tables, GdsTablesAsPrinted) {
    for (const TableCase& c : kGds) {
        const auto rates = GdsTable(c.quarter, c.life);
        ASSERT_EQ(rates.size(), c.percent.size()) << c.quarter << "/" << c.life;
        for (std::size_t y = 0; y < rates.size(); ++y)
            EXPECT_EQ(rates[y], Rate(c.percent[y]))
                << c.quarter << "/" << c.life << " year " << y + 1;
    }
    EXPECT_TRUE(GdsTable(0, 25).empty());
    EXPECT_TRUE(GdsTable(5, 5).empty());
}

TEST(Pub946Tables, ResidentialRentalAlternatesFromYearTen) {
    // Table A-6, January and July columns, years 1 to 29.
    const double january[] = {3.485, 3.636, 3.636, 3.636, 3.636, 3.636, 3.636, 3.636, 3.636, 3.637,
                              3.636, 3.637, 3.636, 3.637, 3.636, 3.637, 3.636, 3.637, 3.636, 3.637,
                              3.636, 3.637, 3.636, 3.637, 3.636, 3.637, 3.636, 1.970, 0.000};
    const double july[] = {1.667, 3.636, 3.636, 3.636, 3.636, 3.636, 3.636, 3.636, 3.636, 3.636,
                           3.637, 3.636, 3.637, 3.636, 3.637, 3.636, 3.637, 3.636, 3.637, 3.636,
                           3.637, 3.636, 3.637, 3.636, 3.637, 3.636, 3.637, 3.636, 0.152};
    for (int y = 1; y <= 29; ++y) {
        EXPECT_EQ(ResidentialRate(y, 1), Rate(january[y - 1])) << "year " << y;
        EXPECT_EQ(ResidentialRate(y, 7), Rate(july[y - 1])) << "year " << y;
    }
    // Year 1 and years 28 and 29 of every month; every column adds up to 100%.
    const double first[] = {3.485, 3.182, 2.879, 2.576, 2.273, 1.970,
                            1.667, 1.364, 1.061, 0.758, 0.455, 0.152};
    const double y28[] = {1.970, 2.273, 2.576, 2.879, 3.182, 3.485,
                          3.636, 3.636, 3.636, 3.636, 3.636, 3.636};
    const double y29[] = {0, 0, 0, 0, 0, 0, 0.152, 0.455, 0.758, 1.061, 1.364, 1.667};
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(ResidentialRate(1, m), Rate(first[m - 1])) << "month " << m;
        EXPECT_EQ(ResidentialRate(28, m), Rate(y28[m - 1])) << "month " << m;
        EXPECT_EQ(ResidentialRate(29, m), Rate(y29[m - 1])) << "month " << m;
        int sum = 0;
        for (int y = 1; y <= 30; ++y)
            sum += ResidentialRate(y, m);
        EXPECT_EQ(sum, 100000) << "month " << m;
    }
}

TEST(Pub946Tables, Nonresidential39) {
    const double first[] = {2.461, 2.247, 2.033, 1.819, 1.605, 1.391,
                            1.177, 0.963, 0.749, 0.535, 0.321, 0.107};
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(Nonresidential39Rate(1, m), Rate(first[m - 1]));
        EXPECT_EQ(Nonresidential39Rate(20, m), 2564);
        EXPECT_EQ(Nonresidential39Rate(40, m), Rate(first[12 - m]));
        int sum = 0;
        for (int y = 1; y <= 41; ++y)
            sum += Nonresidential39Rate(y, m);
        EXPECT_EQ(sum, 100000) << "month " << m;
    }
}

TEST(Pub946Tables, ComputedSchedulesAgreeWithThePrintedOnes) {
    std::vector<Cents> out(60);
    // 200% DB, 5 years, half-year: Table A-1 exactly.
    ASSERT_EQ(FormulaSchedule(1'000'000, 200, 10, 48, out), 6u);
    EXPECT_EQ(std::vector<Cents>(out.begin(), out.begin() + 6),
              (std::vector<Cents>{200'000, 320'000, 192'000, 115'200, 115'200, 57'600}));
    // 200% DB, 5 years, fourth quarter: Table A-5's 5.00, 38.00, 22.80, 13.68, 10.94, 9.58.
    ASSERT_EQ(FormulaSchedule(1'000'000, 200, 10, 12, out), 6u);
    EXPECT_EQ(out[0], 50'000);
    EXPECT_EQ(out[1], 380'000);
    EXPECT_EQ(out[2], 228'000);
    EXPECT_EQ(out[3], 136'800);
    // Straight line, 10 years, half-year: 5%, then 10% a year, 5% in year 11; the whole basis.
    ASSERT_EQ(FormulaSchedule(1'000'000, 100, 20, 48, out), 11u);
    EXPECT_EQ(out[0], 50'000);
    EXPECT_EQ(out[5], 100'000);
    EXPECT_EQ(out[10], 50'000);
    // Straight line, 40 years, mid-month, January (Table A-13: 2.396, then 2.500).
    const std::size_t n = FormulaSchedule(10'000'000, 100, 80, 92, out);
    EXPECT_EQ(n, 41u);
    EXPECT_EQ(out[0], 239'583);
    EXPECT_EQ(out[1], 250'000);
    EXPECT_EQ(std::accumulate(out.begin(), out.begin() + static_cast<long>(n), Cents{0}),
              10'000'000);
}

TEST(Pub946Tables, ConventionShares) {
    EXPECT_EQ(FirstYearShare96('H', 3, 8), 48);
    EXPECT_EQ(FirstYearShare96('Q', 1, 2), 84);  // 10.5 of 12 months
    EXPECT_EQ(FirstYearShare96('Q', 4, 11), 12);
    EXPECT_EQ(FirstYearShare96('M', 0, 1), 92);  // 11.5 months
    EXPECT_EQ(DisposalShare96('H', 2), 48);
    EXPECT_EQ(DisposalShare96('Q', 2), 12);   // 12.5%: sold in the first quarter
    EXPECT_EQ(DisposalShare96('Q', 11), 84);  // 87.5%: the fourth
    EXPECT_EQ(DisposalShare96('M', 7), 52);   // 6.5 months
}

}  // namespace
}  // namespace orvane::reg
