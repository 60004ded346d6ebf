// The MACRS percentage tables against the published percentages (IRS Publication 946,
// Appendix A), typed out here year by year: the half-year table and the four mid-quarter tables
// for 3, 5, 7, 10, 15 and 20 years, and the mid-month tables of residential rental (27.5 years)
// and nonresidential real property (31.5 and 39 years) for every month placed in service. Both
// holders of the tables are checked against them: the window's (engine/rates, fractions) and the
// register's (engine/pub946_tables, hundred-thousandths, with the printed 3.637 / 3.636). Then
// the register's straight-line tables against printed columns of Tables.

#include <algorithm>
#include <numeric>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/pub946_tables.h"
#include "engine/rates.h"

namespace orvane {
namespace {

struct MacrsCase {
    int quarter;  // 0 half year, 1 to 4 mid quarter
    int life;
    std::vector<double> percent;  // year 1, 2, ...
};
void PrintTo(const MacrsCase& c, std::ostream* os) {
    *os << "quarter " << c.quarter << ", " << c.life << " years";
}

// clang-format off
const MacrsCase kMacrs[] = {
    {0, 3, {33.33, 44.45, 14.81, 7.41}},
    {0, 5, {20.00, 32.00, 19.20, 11.52, 11.52, 5.76}},
    {0, 7, {14.29, 24.49, 17.49, 12.49, 8.93, 8.92, 8.93, 4.46}},
    {0, 10, {10.00, 18.00, 14.40, 11.52, 9.22, 7.37, 6.55, 6.55, 6.56, 6.55, 3.28}},
    {0, 15, {5.00, 9.50, 8.55, 7.70, 6.93, 6.23, 5.90, 5.90, 5.91, 5.90, 5.91, 5.90, 5.91, 5.90,
             5.91, 2.95}},
    {0, 20, {3.750, 7.219, 6.677, 6.177, 5.713, 5.285, 4.888, 4.522, 4.462, 4.461, 4.462, 4.461,
             4.462, 4.461, 4.462, 4.461, 4.462, 4.461, 4.462, 4.461, 2.231}},

    {1, 3, {58.33, 27.78, 12.35, 1.54}},
    {1, 5, {35.00, 26.00, 15.60, 11.01, 11.01, 1.38}},
    // Years 5 to 7 alternate the other way round from the 3- and 5-year pattern: 8.74, 8.75, 8.74.
    {1, 7, {25.00, 21.43, 15.31, 10.93, 8.74, 8.75, 8.74, 1.09}},
    {1, 10, {17.50, 16.50, 13.20, 10.56, 8.45, 6.76, 6.55, 6.55, 6.56, 6.55, 0.82}},
    {1, 15, {8.75, 9.13, 8.21, 7.39, 6.65, 5.99, 5.90, 5.91, 5.90, 5.91, 5.90, 5.91, 5.90, 5.91,
             5.90, 0.74}},
    {1, 20, {6.563, 7.000, 6.482, 5.996, 5.546, 5.130, 4.746, 4.459, 4.459, 4.459, 4.459, 4.460,
             4.459, 4.460, 4.459, 4.460, 4.459, 4.460, 4.459, 4.460, 0.557}},

    {2, 3, {41.67, 38.89, 14.14, 5.30}},
    {2, 5, {25.00, 30.00, 18.00, 11.37, 11.37, 4.26}},
    {2, 7, {17.85, 23.47, 16.76, 11.97, 8.87, 8.87, 8.87, 3.33}},
    {2, 10, {12.50, 17.50, 14.00, 11.20, 8.96, 7.17, 6.55, 6.55, 6.56, 6.55, 2.46}},
    {2, 15, {6.25, 9.38, 8.44, 7.59, 6.83, 6.15, 5.91, 5.90, 5.91, 5.90, 5.91, 5.90, 5.91, 5.90,
             5.91, 2.21}},
    {2, 20, {4.688, 7.148, 6.612, 6.116, 5.658, 5.233, 4.841, 4.478, 4.463, 4.463, 4.463, 4.463,
             4.463, 4.463, 4.462, 4.463, 4.462, 4.463, 4.462, 4.463, 1.673}},

    {3, 3, {25.00, 50.00, 16.67, 8.33}},
    {3, 5, {15.00, 34.00, 20.40, 12.24, 11.30, 7.06}},
    {3, 7, {10.71, 25.51, 18.22, 13.02, 9.30, 8.85, 8.86, 5.53}},
    {3, 10, {7.50, 18.50, 14.80, 11.84, 9.47, 7.58, 6.55, 6.55, 6.56, 6.55, 4.10}},
    {3, 15, {3.75, 9.63, 8.66, 7.80, 7.02, 6.31, 5.90, 5.91, 5.90, 5.91, 5.90, 5.91, 5.90, 5.91,
             5.90, 3.69}},
    {3, 20, {2.813, 7.289, 6.742, 6.237, 5.769, 5.336, 4.936, 4.566, 4.460, 4.460, 4.460, 4.460,
             4.461, 4.460, 4.461, 4.460, 4.461, 4.460, 4.461, 4.460, 2.788}},

    {4, 3, {8.33, 61.11, 20.37, 10.19}},
    {4, 5, {5.00, 38.00, 22.80, 13.68, 10.94, 9.58}},
    {4, 7, {3.57, 27.55, 19.68, 14.06, 10.04, 8.73, 8.73, 7.64}},
    {4, 10, {2.50, 19.50, 15.60, 12.48, 9.98, 7.99, 6.55, 6.55, 6.56, 6.55, 5.74}},
    {4, 15, {1.25, 9.88, 8.89, 8.00, 7.20, 6.48, 5.90, 5.90, 5.90, 5.91, 5.90, 5.91, 5.90, 5.91,
             5.90, 5.17}},
    {4, 20, {0.938, 7.430, 6.872, 6.357, 5.880, 5.439, 5.031, 4.654, 4.458, 4.458, 4.458, 4.458,
             4.458, 4.458, 4.458, 4.458, 4.458, 4.459, 4.458, 4.459, 3.901}},
};
// clang-format on

// A published percent in the register's hundred-thousandths.
std::int32_t Thousandths(double percent) {
    return static_cast<std::int32_t>(percent * 1000 + 0.5);
}

std::string ConventionName(int quarter) {
    return quarter == 0 ? "HalfYear" : "MidQuarter" + std::to_string(quarter);
}

class MacrsRatesTest : public ::testing::TestWithParam<MacrsCase> {};

TEST_P(MacrsRatesTest, EveryYearIsThePublishedPercent) {
    const MacrsCase& t = GetParam();
    auto rates = MacrsRates(t.quarter, t.life);
    auto gds = reg::GdsTable(t.quarter, t.life);
    ASSERT_EQ(rates.size(), t.percent.size());
    ASSERT_EQ(gds.size(), t.percent.size());
    for (std::size_t y = 0; y < rates.size(); ++y) {
        EXPECT_NEAR(rates[y] * 100, t.percent[y], 1e-9) << "year " << y + 1;
        EXPECT_EQ(gds[y], Thousandths(t.percent[y])) << "year " << y + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, MacrsRatesTest, ::testing::ValuesIn(kMacrs),
                         [](const ::testing::TestParamInfo<MacrsCase>& info) {
                             return ConventionName(info.param.quarter) + "_" +
                                    std::to_string(info.param.life) + "Years";
                         });

TEST(MacrsRatesTest, NoTableForOtherLivesOrQuarters) {
    for (int life : {0, 1, 4, 6, 25, 27, 28, 39}) {
        EXPECT_TRUE(MacrsRates(0, life).empty()) << life;
        EXPECT_TRUE(reg::GdsTable(0, life).empty()) << life;
    }
    for (int quarter : {-1, 5}) {
        EXPECT_TRUE(MacrsRates(quarter, 5).empty());
        EXPECT_TRUE(reg::GdsTable(quarter, 5).empty());
    }
}

// ------------------------------------------------------------------ real property

struct RealCase {
    RealProperty table;
    const char* name;
    int month;
};
void PrintTo(const RealCase& c, std::ostream* os) {
    *os << c.name << ", month " << c.month;
}

// The published rate in percent for a year and month; 0 where the table has none.
double Published(RealProperty table, int year, int m, bool printed_alternation = false) {
    // clang-format off
    static const double kRes1[] = {3.485, 3.182, 2.879, 2.576, 2.273, 1.970,
                                   1.667, 1.364, 1.061, 0.758, 0.455, 0.152};
    static const double kRes28[] = {1.970, 2.273, 2.576, 2.879, 3.182, 3.485,
                                    3.636, 3.636, 3.636, 3.636, 3.636, 3.636};
    static const double kRes29[] = {0, 0, 0, 0, 0, 0, 0.152, 0.455, 0.758, 1.061, 1.364, 1.667};
    static const double kNon1[] = {3.042, 2.778, 2.513, 2.249, 1.984, 1.720,
                                   1.455, 1.190, 0.926, 0.661, 0.397, 0.132};
    static const double kNon32[] = {1.720, 1.984, 2.249, 2.513, 2.778, 3.042,
                                    3.1745, 3.1745, 3.1745, 3.1745, 3.1745, 3.1745};
    static const double kNon33[] = {0, 0, 0, 0, 0, 0, 0.132, 0.397, 0.661, 0.926, 1.190, 1.455};
    static const double k39First[] = {2.461, 2.247, 2.033, 1.819, 1.605, 1.391,
                                      1.177, 0.963, 0.749, 0.535, 0.321, 0.107};
    // clang-format on
    int i = m - 1;
    switch (table) {
        case RealProperty::Residential275:
            if (year == 1) return kRes1[i];
            if (year <= 9) return 3.636;
            // The published years 10 to 27 alternate 3.637 and 3.636 (3.637 in the even years
            // from January to June, in the odd ones from July); the window holds their mean.
            if (year <= 27 && !printed_alternation) return 3.6365;
            if (year <= 27) return (year + (m >= 7 ? 1 : 0)) % 2 == 0 ? 3.637 : 3.636;
            if (year == 28) return kRes28[i];
            return year == 29 ? kRes29[i] : 0;
        case RealProperty::NonResidential315:
            if (year == 1) return kNon1[i];
            if (year <= 7) return 3.175;
            // Years 8 to 31 alternate 3.174 and 3.175 in the publication; the program holds
            // 3.1745 for year 8 and 3.17452149 after it.
            if (year == 8) return 3.1745;
            if (year <= 31) return 3.17452149;
            if (year == 32) return kNon32[i];
            return year == 33 ? kNon33[i] : 0;
        case RealProperty::NonResidential39:
            if (year == 1) return k39First[i];
            if (year <= 39) return 2.564;
            // Year 40 mirrors year 1: the months before the month placed in service.
            return year == 40 ? k39First[12 - m] : 0;
    }
    return 0;
}

class RealPropertyRateTest : public ::testing::TestWithParam<RealCase> {};

TEST_P(RealPropertyRateTest, EveryYearIsThePublishedPercent) {
    const RealCase& c = GetParam();
    for (int year = 1; year <= 45; ++year) {
        double expected = Published(c.table, year, c.month);
        auto rate = RealPropertyRate(c.table, year, c.month);
        if (expected == 0) {
            EXPECT_FALSE(rate) << "year " << year;
        } else {
            EXPECT_NEAR(rate.value_or(0) * 100, expected, 1e-9) << "year " << year;
        }
    }
    // The register's tables, as printed; every column adds up to the whole basis.
    if (c.table == RealProperty::NonResidential315) return;
    const auto register_rate =
        c.table == RealProperty::Residential275 ? reg::ResidentialRate : reg::Nonresidential39Rate;
    int sum = 0;
    for (int year = 1; year <= 45; ++year) {
        EXPECT_EQ(register_rate(year, c.month),
                  Thousandths(Published(c.table, year, c.month, true)))
            << "register, year " << year;
        sum += register_rate(year, c.month);
    }
    EXPECT_EQ(sum, 100000);
}

INSTANTIATE_TEST_SUITE_P(Tables, RealPropertyRateTest, ::testing::ValuesIn([] {
                             std::vector<RealCase> v;
                             for (auto [t, name] :
                                  {std::pair{RealProperty::Residential275, "Residential27_5"},
                                   std::pair{RealProperty::NonResidential315, "NonResidential31_5"},
                                   std::pair{RealProperty::NonResidential39, "NonResidential39"}}) {
                                 for (int m = 1; m <= 12; ++m)
                                     v.push_back({t, name, m});
                             }
                             return v;
                         }()),
                         [](const ::testing::TestParamInfo<RealCase>& info) {
                             std::string m = std::to_string(info.param.month);
                             return std::string(info.param.name) + "_Month" +
                                    (m.size() == 1 ? "0" + m : m);
                         });

TEST(RealPropertyRateTest, AMonthOutsideTheYearHasNoRateWhereTheMonthCounts) {
    for (RealProperty t : {RealProperty::Residential275, RealProperty::NonResidential315,
                           RealProperty::NonResidential39}) {
        for (int m : {0, 13}) {
            EXPECT_FALSE(RealPropertyRate(t, 1, m));
            ASSERT_TRUE(RealPropertyRate(t, 2, m));  // the middle years do not look at the month
        }
    }
    EXPECT_FALSE(RealPropertyRate(RealProperty::Residential275, 28, 13));
    EXPECT_FALSE(RealPropertyRate(RealProperty::NonResidential39, 40, 0));
}

// ------------------------------------------------------------------ the register's computation

TEST(FormulaSchedule, AgreesWithThePrintedTables) {
    std::vector<reg::Cents> out(60);
    // 200% DB, 5 years, half-year: the half-year table exactly.
    ASSERT_EQ(reg::FormulaSchedule(1'000'000, 200, 10, 48, out), 6u);
    EXPECT_EQ(std::vector<reg::Cents>(out.begin(), out.begin() + 6),
              (std::vector<reg::Cents>{200'000, 320'000, 192'000, 115'200, 115'200, 57'600}));
    // 200% DB, 5 years, fourth quarter: 5.00, 38.00, 22.80, 13.68.
    ASSERT_EQ(reg::FormulaSchedule(1'000'000, 200, 10, 12, out), 6u);
    EXPECT_EQ(std::vector<reg::Cents>(out.begin(), out.begin() + 4),
              (std::vector<reg::Cents>{50'000, 380'000, 228'000, 136'800}));
}

// Straight-line columns as printed (Tables, percent), typed from the publication.
struct StraightLineCase {
    int first_share96;  // 48 half-year; 84 first quarter; 12 fourth quarter
    int life_halves;
    std::vector<double> percent;
};

// clang-format off
const StraightLineCase kStraightLine[] = {
    {48, 5, {20.00, 40.00, 40.00}},
    {48, 6, {16.67, 33.33, 33.33, 16.67}},
    {48, 10, {10.00, 20.00, 20.00, 20.00, 20.00, 10.00}},
    {48, 14, {7.14, 14.29, 14.29, 14.28, 14.29, 14.28, 14.29, 7.14}},
    {48, 20, {5.00, 10.00, 10.00, 10.00, 10.00, 10.00, 10.00, 10.00, 10.00, 10.00, 5.00}},
    {48, 30, {3.33, 6.67, 6.67, 6.67, 6.67, 6.67, 6.67, 6.66, 6.67, 6.66, 6.67, 6.66, 6.67,
              6.66, 6.67, 3.33}},
    {84, 6, {29.17, 33.33, 33.33, 4.17}},
    {12, 10, {2.50, 20.00, 20.00, 20.00, 20.00, 17.50}},
};
// Table A-13 (40 years, mid-month): years 1 and 41 for January to December.
const double kA13First[12] = {2.396, 2.188, 1.979, 1.771, 1.563, 1.354,
                              1.146, 0.938, 0.729, 0.521, 0.313, 0.104};
const double kA13Last[12] = {0.104, 0.312, 0.521, 0.729, 0.937, 1.146,
                             1.354, 1.562, 1.771, 1.979, 2.187, 2.396};
// clang-format on

std::vector<std::int32_t> StraightLine(int first_share96, int life_halves, bool mid_month) {
    std::vector<std::int32_t> rates(64);
    rates.resize(reg::StraightLineRates(first_share96, life_halves, mid_month, rates));
    return rates;
}

TEST(StraightLineRates, PrintedColumnsOfTablesA8ToA12) {
    for (const StraightLineCase& c : kStraightLine) {
        std::vector<std::int32_t> expected;
        for (double p : c.percent)
            expected.push_back(Thousandths(p));
        EXPECT_EQ(StraightLine(c.first_share96, c.life_halves, false), expected)
            << c.life_halves << " half years, share " << c.first_share96;
    }
}

// The mid-month columns: Table A-13 as printed, and Table A-6 (every month and year, with its
// 3.637 / 3.636) and A-7's first seven years, which the same rounding must give.
TEST(StraightLineRates, MidMonthTablesAsPrinted) {
    for (int m = 1; m <= 12; ++m) {
        const int share = reg::FirstYearShare96('M', 0, m);
        const auto a13 = StraightLine(share, 80, true);
        ASSERT_EQ(a13.size(), 41u) << "month " << m;
        EXPECT_EQ(a13[0], Thousandths(kA13First[m - 1])) << "month " << m;
        EXPECT_EQ(a13[40], Thousandths(kA13Last[m - 1])) << "month " << m;
        for (std::size_t y = 1; y < 40; ++y)
            EXPECT_EQ(a13[y], 2500) << "month " << m << ", year " << y + 1;
        const auto a6 = StraightLine(share, 55, true);
        for (int y = 1; y <= 29; ++y) {
            const std::int32_t got = y <= static_cast<int>(a6.size()) ? a6[y - 1] : 0;
            EXPECT_EQ(got, reg::ResidentialRate(y, m)) << "month " << m << ", year " << y;
        }
        const auto a7 = StraightLine(share, 63, true);
        for (int y = 1; y <= 7; ++y) {
            EXPECT_EQ(a7[y - 1], Thousandths(Published(RealProperty::NonResidential315, y, m)))
                << "month " << m << ", year " << y;
        }
    }
}

TEST(StraightLineRates, EveryTableRecoversTheWholeBasis) {
    for (int halves = 1; halves <= 100; ++halves) {
        for (int share : {48, 84, 60, 36, 12, 92, 4}) {
            const auto rates = StraightLine(share, halves, share == 92 || share == 4);
            const std::size_t years =
                static_cast<std::size_t>((96 - share + 48 * halves + 95) / 96);
            EXPECT_EQ(rates.size(), years) << halves << " half years, share " << share;
            EXPECT_EQ(std::accumulate(rates.begin(), rates.end(), 0), 100000);
            EXPECT_TRUE(std::all_of(rates.begin(), rates.end(), [](auto r) { return r >= 0; }));
        }
    }
}

TEST(FormulaSchedule, ConventionSharesInNinetySixths) {
    EXPECT_EQ(reg::FirstYearShare96('H', 3, 8), 48);
    EXPECT_EQ(reg::FirstYearShare96('Q', 1, 2), 84);  // 10.5 of 12 months
    EXPECT_EQ(reg::FirstYearShare96('Q', 4, 11), 12);
    EXPECT_EQ(reg::FirstYearShare96('M', 0, 1), 92);  // 11.5 months
    EXPECT_EQ(reg::DisposalShare96('H', 2), 48);
    EXPECT_EQ(reg::DisposalShare96('Q', 2), 12);   // 12.5%: sold in the first quarter
    EXPECT_EQ(reg::DisposalShare96('Q', 11), 84);  // 87.5%: the fourth
    EXPECT_EQ(reg::DisposalShare96('M', 7), 52);   // 6.5 months
}

}  // namespace
}  // namespace orvane
