// The block's pure parts: where a new block starts, and how the schedule's cells are placed.

#include <gtest/gtest.h>

#include "app/model/export_block.h"

namespace orvane {
namespace {

struct StartCase {
    const char* name;
    std::vector<std::string> column_c;
    int start_row;
};
void PrintTo(const StartCase& c, std::ostream* os) {
    *os << c.name;
}

class StartRowTest : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartRowTest, FindsTheFirstThreeEmptyRows) {
    EXPECT_EQ(ExportStartRow(GetParam().column_c), GetParam().start_row);
}

std::vector<std::string> Filled(int rows) {
    return std::vector<std::string>(static_cast<std::size_t>(rows), "x");
}

INSTANTIATE_TEST_SUITE_P(
    Column, StartRowTest,
    ::testing::Values(StartCase{"EmptySheet", {}, 1},
                      StartCase{"EmptyTextsCountAsEmpty", {"", "", ""}, 1},
                      StartCase{"OneHeaderRow", {"Year"}, 4},
                      StartCase{"BlockFilledToRow12", Filled(12), 15},
                      // Two empty rows inside a block are not a gap.
                      StartCase{"TwoEmptyRowsThenMore", {"x", "", "", "x"}, 7},
                      StartCase{"ThreeEmptyRowsInside", {"x", "", "", "", "x"}, 4},
                      // Something below the first row keeps the search going past row 1.
                      StartCase{"FirstRowEmptyOnly", {"", "x"}, 5},
                      StartCase{"NumberTextsAreFilled", {"Year", "2004", "2005"}, 6}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExportSchedule, PlacesGroupsElevenRowsApartRightJustifiedInThirteen) {
    GridTexts cells;
    cells[0] = {"2004", "1,429.00 ", ""};
    cells[11 * 2 + 2][1] = "12345678901234567";  // group 2, line 3, depreciation
    cells[11 * 3 + 10][2] = ".00 ";              // group 3, last line, basis

    const std::vector<CellWrite> expected = {
        {21, 3, "         2004"},
        {21, 4, "    1,429.00 "},
        {20 + 25, 4, "1234567890123"},
        {20 + 44, 5, "         .00 "},
    };
    EXPECT_EQ(ExportSchedule(cells, 20), expected);
}

// The grid's texts of a schedule: each year shown at its place, a year without depreciation
// after the first left out, and a year beyond the 44 places too.
TEST(ExportSchedule, TextsOfAScheduleAreTheGridsCells) {
    Schedule s;
    s.rows = {{1, 2004, 0, 1000}, {2, 2005, 0, 1000}, {12, 2015, 1234.5, 10}, {45, 2048, 1, 0}};
    const GridTexts cells = TextsOf(s);
    EXPECT_EQ(cells[0], (std::array<std::string, 3>{"2004", ".00 ", "1,000.00 "}));
    EXPECT_EQ(cells[1], (std::array<std::string, 3>{}));
    EXPECT_EQ(cells[11], (std::array<std::string, 3>{"2015", "1,234.50 ", "10.00 "}));
    for (std::size_t i = 12; i < cells.size(); ++i)
        EXPECT_EQ(cells[i][0], "") << i;
}

class RecordingBoxes final : public MessageBoxes {
  public:
    std::vector<std::string> texts;
    MsgAnswer Show(std::string_view text, std::string_view, MsgButtons) override {
        texts.emplace_back(text);
        return MsgAnswer::Ok;
    }
};

TEST(ExportParticulars, CostThatIsNotANumberIsReportedAndWrittenEmpty) {
    MainWindowControls f;
    f[MainCtl::txtCost].text = "1.2.3";
    RecordingBoxes boxes;
    ErrorTrap trap = ErrorTrap::Described(boxes);
    std::vector<CellWrite> w = ExportParticulars(ReadParticulars(f, DeprState{}), 1, trap);
    ASSERT_EQ(boxes.texts, std::vector<std::string>{"Type mismatch"});
    EXPECT_EQ(w[4], (CellWrite{3, 1, ""}));
}

}  // namespace
}  // namespace orvane
