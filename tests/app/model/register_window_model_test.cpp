// The register window's model on the example register: cells normalised and checked as the
// reader checks them, the undo history and the year's figures (sorting, filtering, the lines'
// assets and closing with changes are driven through the window's view).

#include <filesystem>
#include <tuple>

#include <gtest/gtest.h>

#include "app/model/register_window_model.h"
#include "platform/scripted.h"
#include "register/writers.h"

namespace orvane {
namespace {

using reg::Column;

TEST(RegisterCells, AmountsAndDatesAsPeopleWriteThem) {
    // clang-format off
    const std::tuple<Column, const char*, const char*> cells[] = {
        {Column::Cost, "$12,500", "12500"}, {Column::Cost, "12,500.00", "12500.00"},
        {Column::Cost, " $ 1,200.5 ", "1200.5"}, {Column::Cost, "-$300", "-300"},
        {Column::Cost, "12x", "12x"}, {Column::Cost, "$", "$"},
        {Column::Placed, "02/15/2024", "2024-02-15"}, {Column::Disposed, "2/5/2024", "2024-02-05"},
        {Column::Placed, "2024-02-15", "2024-02-15"}, {Column::Placed, "15/2024", "15/2024"},
        {Column::Description, "$12,500", "$12,500"}};
    // clang-format on
    for (const auto& [column, typed, stored] : cells)
        EXPECT_EQ(NormaliseCell(column, typed), stored) << typed;
}

class RegisterModelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::vector<std::string> problems;
        limits_ = reg::LoadVehicleLimits(ORVANE_LIMITS_DIR, problems);
        ASSERT_TRUE(model_.Open(ORVANE_EXAMPLE));
    }
    int Field(Column c) const {
        return model_.book().header().field_of_column[static_cast<std::size_t>(c)];
    }
    std::size_t RowOf(std::string_view id) const {
        for (std::size_t r = 0; r < model_.book().size(); ++r)
            if (model_.book().Cell(r, Column::Id) == id) return r;
        return model_.book().size();
    }
    // The ids of the rows shown, in order.
    std::vector<std::string> Shown() const {
        std::vector<std::string> ids;
        for (std::size_t r : model_.controls().shown)
            ids.emplace_back(model_.book().Cell(r, Column::Id));
        return ids;
    }

    reg::VehicleLimitTable limits_;
    ScriptedMessageBoxes boxes_;
    RegisterWindowModel model_{boxes_, limits_, 2025};
};

TEST_F(RegisterModelTest, ANewRowTakesGoodCellsOneByOneAndRefusesBadOnes) {
    const std::size_t row = model_.AddRow();
    EXPECT_FALSE(model_.controls().figures.errors.empty());
    // clang-format off
    const std::tuple<Column, const char*, bool> typed[] = {
        {Column::Description, "Drill press", true}, {Column::BusinessUse, "150", false},
        {Column::Cost, "abc", false}, {Column::Cost, "$4,000", true}, {Column::Recovery, "4", false},
        {Column::Recovery, "7", true}, {Column::Placed, "1980-01-01", false},
        {Column::Placed, "03/01/2025", true}, {Column::Id, "B-100", false}, {Column::Id, "D-900", true}};
    // clang-format on
    for (const auto& [column, text, taken] : typed) {
        EXPECT_EQ(model_.SetCell(row, Field(column), text), taken) << text;
        if (!taken) {  // the reader's reason names the column
            EXPECT_NE(model_.controls().message.find(reg::ColumnName(column)), std::string::npos);
        }
    }
    EXPECT_TRUE(model_.controls().figures.errors.empty()) << model_.RowProblem(row);
    EXPECT_EQ(model_.book().Cell(row, Column::Placed), "2025-03-01");
}

TEST_F(RegisterModelTest, UndoAndRedoEveryKindOfEditBackToTheSavedState) {
    const std::string saved = model_.book().Csv();
    model_.Sort(Field(Column::Cost), false);
    const std::vector<std::string> order = Shown();
    ASSERT_TRUE(model_.SetCell(RowOf("M-310"), Field(Column::Cost), "40000"));
    const std::size_t copy = model_.DuplicateRow(RowOf("M-310"));
    EXPECT_EQ(model_.book().Cell(copy, Column::Id), "M-310-2");
    model_.DeleteRows({RowOf("B-100"), RowOf("E-700"), RowOf("C-400")});
    model_.AddRow();
    EXPECT_EQ(model_.controls().shown.size(), 14u);
    const std::string edited = model_.book().Csv();
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(model_.Undo());
    EXPECT_FALSE(model_.Undo());
    EXPECT_EQ(model_.book().Csv(), saved);
    EXPECT_EQ(Shown(), order);
    EXPECT_FALSE(model_.controls().modified);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(model_.Redo());
    EXPECT_EQ(model_.book().Csv(), edited);
    EXPECT_TRUE(model_.controls().modified);
}

TEST_F(RegisterModelTest, TheYearsTotalsAreTheSumOfItsAssetsAndTheIncomeIsAnAmount) {
    for (int year : {2024, 2025, 2026}) {
        model_.SetYear(year);
        const reg::BookFigures& f = model_.controls().figures;
        reg::TotalsRow sum;
        for (const reg::AssetYear& a : f.assets)
            sum.Add(a.year);
        const reg::TotalsRow& t = f.totals[static_cast<std::size_t>(year - f.first_year)];
        EXPECT_EQ(t.depreciation, sum.depreciation) << year;
        EXPECT_EQ(t.section179 + t.allowance, sum.section179 + sum.allowance) << year;
    }
    model_.SetYear(2025);
    EXPECT_FALSE(model_.SetBusinessIncome("lots"));
    EXPECT_TRUE(model_.SetBusinessIncome("$20,000"));
    EXPECT_EQ(model_.controls().business_income, "20000");
    EXPECT_LT(model_.controls().figures.form.section179.line12, 51300 * 100);
}

// Line 19c has a row for each method; a row picks out its own assets only.
TEST_F(RegisterModelTest, ARowOfALinePicksOutTheAssetsOfItsMethod) {
    std::vector<std::string> keys;
    for (const reg::FormLine& l : reg::FormLines(model_.controls().figures.form)) {
        if (l.line == "19c" && l.amount) keys.push_back(l.key);
    }
    ASSERT_EQ(keys, (std::vector<std::string>{"19c HY 200 DB", "19c HY 150 DB"}));
    model_.ChooseLine(keys[0]);
    EXPECT_EQ(model_.controls().line_rows,
              (std::vector<std::size_t>{RowOf("M-300"), RowOf("M-310")}));
    model_.ChooseLine(keys[1]);
    EXPECT_EQ(model_.controls().line_rows, std::vector<std::size_t>{RowOf("F-500")});
    model_.ChooseLine("14");
    EXPECT_GT(model_.controls().line_rows.size(), 2u);
}

}  // namespace
}  // namespace orvane
