// The register chart's bars and labels, from totals typed in cents.

#include <gtest/gtest.h>

#include "app/model/register_chart_data.h"

namespace orvane {
namespace {

reg::TotalsRow Totals(reg::Cents section179, reg::Cents allowance, reg::Cents depreciation) {
    reg::TotalsRow t;
    t.section179 = section179;
    t.allowance = allowance;
    t.depreciation = depreciation;
    return t;
}

std::string Texts(const RegisterChartData& data) {
    std::string out;
    for (const ChartLabel& l : data.labels)
        out += std::to_string(l.index) + ":" + l.text + " ";
    return out;
}

// Each bar is its year's three amounts in dollars, stacked to the year's deduction; the chosen
// year's bar is marked and labelled in brackets.
TEST(RegisterChartData, BarsAreTheYearsAmountsInDollars) {
    const std::vector<reg::TotalsRow> totals = {Totals(2'500'000, 1'200'050, 33'333),
                                                Totals(0, 0, 61'907), Totals(0, 0, 44'218)};
    const RegisterChartData data = ChartOfTotals(2023, totals, 2024, 10);
    EXPECT_EQ(data.section179, (std::vector<double>{25'000.0, 0.0, 0.0}));
    EXPECT_EQ(data.allowance, (std::vector<double>{12'000.5, 0.0, 0.0}));
    EXPECT_EQ(data.depreciation, (std::vector<double>{333.33, 619.07, 442.18}));
    EXPECT_DOUBLE_EQ(data.section179[0] + data.allowance[0] + data.depreciation[0], 37'333.83);
    EXPECT_DOUBLE_EQ(data.highest, 37'333.83);
    EXPECT_EQ(data.marked, 1u);
    EXPECT_EQ(Texts(data), "0:2023 1:[2024] 2:2025 ");
}

// A year outside the totals marks no bar; no totals give no bars and no labels.
TEST(RegisterChartData, ChosenYearOutsideMarksNothing) {
    const std::vector<reg::TotalsRow> totals = {Totals(0, 0, 100), Totals(0, 0, 200)};
    EXPECT_FALSE(ChartOfTotals(2023, totals, 2022, 10).marked);
    EXPECT_FALSE(ChartOfTotals(2023, totals, 2025, 10).marked);
    EXPECT_EQ(Texts(ChartOfTotals(2023, {}, 2023, 10)), "");
}

// Forty years in room for ten labels: every fifth year, those within five years of the chosen
// one giving way to it.
TEST(RegisterChartData, ManyYearsLabelEveryFifthYear) {
    const std::vector<reg::TotalsRow> totals(40, Totals(0, 0, 100));
    EXPECT_EQ(Texts(ChartOfTotals(2021, totals, 2033, 10)),
              "4:2025 12:[2033] 19:2040 24:2045 29:2050 34:2055 39:2060 ");
    EXPECT_EQ(Texts(ChartOfTotals(2021, totals, 2000, 4)), "9:2030 19:2040 29:2050 39:2060 ");
}

}  // namespace
}  // namespace orvane
