// The printed page as positioned items: the window is filled as a person does, Print is pressed,
// and the page the printer received is read. The fake printer's lines are 25 twips a point high
// (200 at 8 point), and its default size is 10 point; the grid's columns give a left edge of 30.

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "app/model/print_page.h"
#include "tests/app/model/window_fixture.h"

namespace orvane::testing {
namespace {

constexpr double kLeft = 30;
constexpr double kTableTop = 4900;  // the first table line of a page without optional lines

PrintItem Item(double size, double x, double y, std::string text) {
    return {{"Courier new", size, false}, x, y, std::move(text)};
}

class PrintTest : public WindowTest {
  protected:
    void Asset(const std::string& method, const std::string& life, const std::string& cost,
               const std::string& in_service) {
        Choose(MainCtl::cboMethod, method);
        if (!life.empty()) Choose(MainCtl::cboLife, life);
        Enter(MainCtl::txtCost, cost);
        InService(in_service);
    }
    // Selects the field's text and deletes it.
    void Erase(MainCtl field) {
        ASSERT_EQ(window.Focus(field), Outcome::Done);
        window.Select(field, 0, static_cast<int>(c(field).text.size()));
        window.KeyDown(key::kDelete);
        window.KeyUp(key::kDelete);
        window.Tab();
    }
    // Presses Print and returns the one page it printed.
    const std::vector<PrintItem>& Print() {
        const std::size_t before = printer.pages.size();
        EXPECT_EQ(window.Click(MainCtl::cmdPrint), Outcome::Done);
        EXPECT_EQ(printer.pages.size(), before + 1);
        return printer.pages.back();
    }
    static std::vector<PrintItem> Line(const std::vector<PrintItem>& page, double y) {
        std::vector<PrintItem> out;
        std::copy_if(page.begin(), page.end(), std::back_inserter(out),
                     [y](const PrintItem& i) { return i.y == y; });
        return out;
    }
    // The item whose text starts with `head`; an empty text when there is none.
    static PrintItem Starting(const std::vector<PrintItem>& page, std::string_view head) {
        const auto it = std::find_if(page.begin(), page.end(),
                                     [&](const PrintItem& i) { return i.text.starts_with(head); });
        return it == page.end() ? PrintItem{} : *it;
    }
    // The table lines: the last 132 items, three to a line.
    static std::vector<std::vector<PrintItem>> TableLines(const std::vector<PrintItem>& page) {
        std::vector<std::vector<PrintItem>> lines;
        EXPECT_GE(page.size(), 132u);
        for (std::size_t i = page.size() - 132; i + 2 < page.size(); i += 3)
            lines.push_back({page[i], page[i + 1], page[i + 2]});
        return lines;
    }
};

TEST_F(PrintTest, FiveYearMacrsPage) {
    Asset("MACRS", "5", "10000", "012004");
    Enter(MainCtl::txtDescription, "Delivery van");
    Calculate();
    std::vector<bool> during;
    printer.while_printing = [&] { during = platform.pointer.hourglass; };
    const auto& page = Print();
    ASSERT_EQ(page.size(), 13u + 132u);  // 13 items above the table
    const std::vector<PrintItem> top(page.begin(), page.begin() + 11);
    // clang-format off
    EXPECT_EQ(top, (std::vector<PrintItem>{
        Item(10, 10000, 500, "06/15/2024"), Item(12, 4237.5, 1300, "Depreciation Schedule"),
        Item(11, 4817.5, 1600, "Regular Asset"), Item(10, 5022, 2150, "Delivery van"),
        Item(8, 930, 2900, "Net Cost: $10,000.00"), Item(8, 3830, 2900, "Method: MACRS 200% DB"),
        Item(8, 7730, 2900, "Convention: Half Year"),
        Item(8, 930, 3100, "In Service Date: 01/2004"), Item(8, 3830, 3100, "Life: 5"),
        Item(8, 7730, 3100, "Business Percent: 100"),
        Item(8, 3030, 3900, std::string(60, '_'))}));
    // clang-format on
    EXPECT_EQ(page[11], Item(8, 3530, 4300, "YEAR         DEPRECIATION       ADJUSTED TAX BASIS"));
    EXPECT_EQ(page[12], Item(8, 3030, 4500, std::string(60, '_')));
    EXPECT_EQ(during, std::vector<bool>{true});  // the hourglass shows while printing
    EXPECT_EQ(platform.pointer.hourglass, (std::vector<bool>{true, false}));

    // Six years of a 44-line table: the years right-aligned in 4 characters, the amounts in 13
    // at their fixed places, one line a line height below the other, the other 38 lines blank.
    const auto lines = TableLines(page);
    ASSERT_EQ(lines.size(), 44u);
    EXPECT_EQ(lines[0], (std::vector<PrintItem>{Item(8, 3530, kTableTop, "2004"),
                                                Item(8, 4690, kTableTop, "    2,000.00 "),
                                                Item(8, 7170, kTableTop, "    8,000.00 ")}));
    EXPECT_EQ(lines[5][0].text + lines[5][1].text + lines[5][2].text,
              "2009      576.00          .00 ");
    for (std::size_t n = 0; n < lines.size(); ++n) {
        for (const PrintItem& cell : lines[n])
            EXPECT_EQ(cell.y, kTableTop + 200.0 * static_cast<double>(n)) << n;
        if (n < 6) continue;
        EXPECT_EQ(lines[n][0].text, "    ") << n;
        EXPECT_EQ(lines[n][1].text, std::string(13, ' ')) << n;
        EXPECT_EQ(lines[n][2].text, std::string(13, ' ')) << n;
    }
}

// The page takes the particulars as the fields stand and the years of the last calculation.
TEST_F(PrintTest, FieldsAsTheyStandYearsAsLastCalculated) {
    Asset("MACRS", "5", "10000", "012004");
    Calculate();
    Enter(MainCtl::txtCost, "20000");
    Enter(MainCtl::txtDescription, "Changed");
    const auto& page = Print();
    EXPECT_EQ(Starting(page, "Net Cost: ").text, "Net Cost: $20,000.00");
    EXPECT_EQ(Starting(page, "Changed").text, "Changed");
    EXPECT_EQ(TableLines(page)[0][1].text, "    2,000.00 ");
}

TEST_F(PrintTest, ThirtyPercentAllowanceComesOffTheNetCostAndHasItsLine) {
    Asset("MACRS", "5", "10000", "012004");
    ASSERT_EQ(window.Click(MainCtl::chkBonus), Outcome::Done);
    Calculate();
    const auto& page = Print();
    EXPECT_EQ(Starting(page, "Net Cost: ").text, "Net Cost: $7,000.00");
    const PrintItem allowance = Starting(page, "Special ");
    EXPECT_EQ(allowance, Item(8, 930, 3500, "Special 30% Depreciation Allowance. $3,000.00"));
    // The allowance line and its empty line push the table down two lines.
    EXPECT_EQ(Starting(page, "YEAR").y, 4300 + 400);
}

TEST_F(PrintTest, StraightLineHasNoConventionAndShowsItsLife) {
    Asset("Straight Line", "", "1200", "012004");
    ASSERT_EQ(window.Focus(MainCtl::cboLife), Outcome::Done);
    window.TypeText("3");
    Calculate();
    ASSERT_EQ(Status(), "") << "Straight Line has no method caption of its own";
    const auto& page = Print();
    const auto header = Line(page, 2900);
    ASSERT_EQ(header.size(), 2u);
    EXPECT_EQ(header[1], Item(8, 3830, 2900, "Method: Straight Line"));
    EXPECT_EQ(Line(page, 3100)[1], Item(8, 3830, 3100, "Life: 3"));
    // Without a convention the first line still ends: the second follows one line lower.
    EXPECT_EQ(Line(page, 3100).size(), 2u);  // and no business percent
}

TEST_F(PrintTest, ExchangeLineOnlyWithASalesPrice) {
    ASSERT_EQ(window.Click(MainCtl::optAssetType2), Outcome::Done);
    Asset("MACRS", "7", "10000", "012004");
    Enter(MainCtl::txtSalesPrice, "4000");
    Enter(MainCtl::txtAdjTaxBasis, "3000.5");
    Calculate();
    const auto& page = Print();
    EXPECT_EQ(Starting(page, "Replacement").x, kLeft + (11460 - 145 * 17) / 2.0);
    EXPECT_EQ(Line(page, 3500), (std::vector<PrintItem>{
                                    Item(8, 930, 3500, "Sales Price: $4,000.00"),
                                    Item(8, 3830, 3500, "Adjusted Tax Basis: $3,000.50"),
                                    Item(8, 7730, 3500, "Adjusted Cost: $9,000.50"),
                                }));
    EXPECT_EQ(Starting(page, "YEAR").y, 4300 + 400);

    Erase(MainCtl::txtSalesPrice);
    Erase(MainCtl::txtAdjTaxBasis);
    const auto& without = Print();
    EXPECT_EQ(Starting(without, "Sales Price").text, "");
    EXPECT_EQ(Starting(without, "YEAR").y, 4300);
}

TEST_F(PrintTest, DateSoldLineOnlyWhenTheBoxIsFilled) {
    ASSERT_EQ(window.Click(MainCtl::optAssetType1), Outcome::Done);
    Asset("MACRS", "7", "10000", "012004");
    Calculate();
    const auto& blank = Print();
    EXPECT_EQ(Starting(blank, "Date Sold").text, "");
    EXPECT_EQ(Starting(blank, "YEAR").y, 4300);

    ASSERT_EQ(window.Focus(MainCtl::mskSold), Outcome::Done);
    window.TypeText("062006");
    Calculate();
    const auto& sold = Print();
    EXPECT_EQ(Starting(sold, "Date Sold"), Item(8, 930, 3500, "Date Sold: 06/2006"));
    EXPECT_EQ(Starting(sold, "YEAR").y, 4300 + 400);
}

// A calculation that stops at validation leaves Print enabled over an empty grid and no method
// caption: the page takes the method's name, and the missing cost is a fault of its own line.
TEST_F(PrintTest, AfterAFailedCalculationTheMethodNameStandsInAndTheCostFaults) {
    Asset("MACRS", "5", "10000", "012004");
    Calculate();
    Erase(MainCtl::txtCost);
    Calculate();
    ASSERT_EQ(state().method_caption, "");
    const auto& page = Print();  // the box of the cost's line is a golden command-line case
    EXPECT_EQ(Starting(page, "Net Cost").text, "");
    EXPECT_EQ(Starting(page, "Method: "), Item(8, 3830, 2900, "Method: MACRS"));
    EXPECT_EQ(state().method_caption, "Method: MACRS");
    for (const auto& line : TableLines(page))
        EXPECT_EQ(line[0].text, "    ");
}

struct FailureCase {
    const char* name;
    int page_fault;
    int line_fault;
    bool printer;
    const char* title;
    const char* text;
    std::size_t boxes;
};

class PrintFailureTest : public PrintTest, public ::testing::WithParamInterface<FailureCase> {};

// A failing printer is reported in the original's words and changes nothing in the window.
TEST_P(PrintFailureTest, ReportedAndNothingElseChanges) {
    const FailureCase& fc = GetParam();
    Asset("MACRS", "5", "10000", "012004");
    Calculate();
    const std::string status = Status();
    const std::string caption = state().method_caption;
    const std::string grid = Cell(1, 2) + Cell(6, 2);
    platform.boxes.shown.clear();
    printer.fail_page_with = fc.page_fault;
    printer.fail_line_height_with = fc.line_fault;
    if (fc.printer) {
        ASSERT_EQ(window.Click(MainCtl::cmdPrint), Outcome::Done);
    } else {
        window.PrintOn(nullptr);
    }
    ASSERT_EQ(platform.boxes.shown.size(), fc.boxes);
    EXPECT_EQ(platform.boxes.shown[0].title, fc.title);
    EXPECT_EQ(platform.boxes.shown[0].text, fc.text);
    EXPECT_TRUE(printer.pages.empty() || fc.line_fault != 0);
    EXPECT_EQ(Status(), status);
    EXPECT_EQ(state().method_caption, caption);
    EXPECT_EQ(Cell(1, 2) + Cell(6, 2), grid);
    EXPECT_TRUE(f().Usable(MainCtl::cmdPrint));
    EXPECT_EQ(platform.pointer.hourglass, (std::vector<bool>{true, false}));
}

INSTANTIATE_TEST_SUITE_P(
    Printers, PrintFailureTest,
    ::testing::Values(
        FailureCase{"RefusedJob", 482, 0, true, "Print Grid Error", "Err: 482[Printer error]", 1},
        FailureCase{"NoDefaultPrinter", 484, 0, true, "Print Grid Error",
                    "Err: 484[Problem getting printer information from the system. Make sure "
                    "the printer is set up correctly.]",
                    1},
        FailureCase{"NoPrinterAtAll", 0, 0, false, "Printer Error",
                    "Err: 484[Problem getting printer information from the system. Make sure "
                    "the printer is set up correctly.]",
                    1},
        // Every line that ends asks for its height: each of the 16 ending lines above the table
        // and the 44 of the table is a fault of its own; the items of lines kept open print.
        FailureCase{"LineHeights", 0, 482, true, "Print Grid Error", "Err: 482[Printer error]",
                    16 + 44}),
    [](const auto& info) { return std::string(info.param.name); });

// ------------------------------------------------------------------ the page's pieces

TEST(PrintTextTest, DollarsAndFields) {
    const std::pair<const char*, const char*> dollars[] = {
        {"0.5", "$.50"}, {"1,000", "$1,000.00"}, {"abc", "abc"}, {"", ""}};
    for (const auto& [in, out] : dollars)
        EXPECT_EQ(DollarText(in), out) << in;
    const std::tuple<const char*, int, const char*> fields[] = {
        {"2004", 4, "2004"},
        {"99", 4, "  99"},
        {"12345", 4, "1234"},
        {"", 13, "             "},
        {"1,234,567,890.00 ", 13, "1,234,567,890"},
        {"é1", 4, "  é1"}};
    for (const auto& [in, width, out] : fields)
        EXPECT_EQ(Field(in, width), out) << in;
}

}  // namespace
}  // namespace orvane::testing
