// The Export command over the in-memory spreadsheet: the block's cells, where it lands, the
// dialog, and every message. The last test runs the real spreadsheet class without its helper.

#include <map>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "export/calc_spreadsheet.h"
#include "export/mod_excel.h"
#include "tests/app/model/window_fixture.h"
#include "tests/support/fake_spreadsheet.h"

namespace orvane {
namespace {

// A message box: its title and text.
using Box = std::pair<std::string, std::string>;  // title, text

const std::string kBook = "/home/user/book.xls";
const std::string kLife7 = "Life: 7                        ";  // 24 blanks after the life

class ExportTest : public testing::WindowTest {
  protected:
    Services With(Spreadsheet& spreadsheet) {
        Services services = platform.services();
        services.spreadsheet = &spreadsheet;
        services.file_dialog = &dialog;
        return services;
    }
    void Export(std::optional<std::string> path = kBook) {
        dialog.answer = std::move(path);
        ASSERT_TRUE(f().Usable(MainCtl::cmdExport));
        cmdExport_Click(f(), window.depr(), With(sheet));
    }
    void Asset(const std::string& description, const std::string& method, const std::string& life,
               const std::string& cost, const std::string& in_service) {
        Choose(MainCtl::cboMethod, method);
        if (method == "MACRS" || method == "ADS") {
            Choose(MainCtl::cboLife, life);
        } else {
            ASSERT_EQ(window.Focus(MainCtl::cboLife), Outcome::Done);
            window.TypeText(life);
        }
        Enter(MainCtl::txtCost, cost);
        InService(in_service);
        Enter(MainCtl::txtDescription, description);
    }
    // The cell as the workbook holds it; "(none)" for a cell never written.
    std::string At(int row, int col, const std::string& path = kBook) {
        const FakeWorkbook& book = sheet.files.at(path);
        auto it = book.cells.find({row, col});
        return it == book.cells.end() ? "(none)" : it->second;
    }
    std::vector<Box> Boxes() {
        std::vector<Box> out;
        for (const auto& b : platform.boxes.shown)
            out.emplace_back(std::string(b.ShownTitle()), b.text);
        return out;
    }
    int Count(const std::string& call) {
        int n = 0;
        for (const auto& entry : sheet.log)
            n += entry.rfind(call, 0) == 0;
        return n;
    }

    FakeSpreadsheet sheet;
    FakeFileDialog dialog;
};

TEST_F(ExportTest, NewWorkbookGetsTheBlockInRowOneAndTheColumnWidths) {
    Asset("Press brake", "MACRS", "7", "10000", "012004");
    Calculate();
    Export();

    EXPECT_EQ(Status(), "Export was successful.");
    EXPECT_EQ(platform.beeper.beeps, 1);  // a successful export beeps too
    EXPECT_TRUE(platform.boxes.shown.empty());
    // The particulars, no allowance line (row 5), and eight years, 2004 to 2011.
    // clang-format off
    const std::map<std::pair<int, int>, std::string> particulars = {
        {{1, 1}, "Press brake"}, {{1, 2}, ""}, {{1, 3}, "Year"}, {{1, 4}, "Depreciation"},
        {{1, 5}, "Adj Tax Basis"}, {{2, 1}, "In Service Date: 01/2004"}, {{2, 2}, "Method: MACRS"},
        {{3, 1}, "Net Cost: $10,000.00"}, {{3, 2}, "Convention: Half Year"}, {{4, 1}, kLife7},
        {{4, 2}, "Regular Asset"}, {{5, 1}, "(none)"}, {{5, 2}, ""},
        {{2, 3}, "         2004"}, {{2, 4}, "    1,429.00 "}, {{2, 5}, "    8,571.00 "},
        {{9, 3}, "         2011"}, {{9, 4}, "      446.00 "}, {{9, 5}, "         .00 "},
        {{10, 3}, "(none)"}};
    // clang-format on
    for (const auto& [at, text] : particulars)
        EXPECT_EQ(At(at.first, at.second), text) << "row " << at.first << " col " << at.second;
    EXPECT_EQ(sheet.files.at(kBook).widths,
              (std::map<int, double>{{1, 50}, {2, 20}, {3, 5}, {4, 15}, {5, 15}}));
    EXPECT_EQ(sheet.files.at(kBook).sheets, 1);
    // A new workbook is not searched; the application ends with the export.
    EXPECT_EQ(Count("ReadColumn"), 0);
    EXPECT_EQ(std::vector<std::string>(sheet.log.begin(), sheet.log.begin() + 3),
              (std::vector<std::string>{"Start", "Open " + kBook, "Add"}));
    EXPECT_EQ(sheet.log.back(), "Quit");
}

// The particulars that change with the asset: the convention, the life or class, the asset
// type, the allowance line and the date sold.
struct ParticularsCase {
    const char* name;
    MainCtl type;
    const char* method;
    const char* life;  // empty: the class
    MainCtl box;       // MainCtl::None: no allowance
    const char* in_service;
    const char* sold;
    std::map<std::pair<int, int>, std::string> cells;
};

class ParticularsTest : public ExportTest, public ::testing::WithParamInterface<ParticularsCase> {};

TEST_P(ParticularsTest, CellsOfTheBlock) {
    const ParticularsCase& p = GetParam();
    ASSERT_EQ(window.Click(p.type), Outcome::Done);
    if (*p.life != '\0') {
        Asset("Loader", p.method, p.life, "10000", p.in_service);
    } else {
        Choose(MainCtl::cboMethod, p.method);
        Choose(MainCtl::cboClass, "Desks (10)");
        Enter(MainCtl::txtCost, "10000");
        InService(p.in_service);
    }
    if (p.box != MainCtl::None) {
        ASSERT_EQ(window.Click(p.box), Outcome::Done);
    }
    if (*p.sold != '\0') {
        ASSERT_EQ(window.Focus(MainCtl::mskSold), Outcome::Done);
        window.TypeText(p.sold);
    }
    Calculate();
    Export();
    for (const auto& [at, text] : p.cells)
        EXPECT_EQ(At(at.first, at.second), text) << "row " << at.first << " col " << at.second;
    EXPECT_TRUE(platform.boxes.shown.empty());
}

constexpr MainCtl kRegular = MainCtl::optAssetType0;
constexpr MainCtl kNone = MainCtl::None;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Assets, ParticularsTest, ::testing::Values(
    ParticularsCase{"StraightLine", kRegular, "Straight Line", "3", kNone, "072010", "",
                    {{{3, 2}, ""}, {{2, 2}, "Method: Straight Line"},
                     {{4, 1}, "Life: 3                        "}}},
    ParticularsCase{"Fifty", kRegular, "MACRS", "7", MainCtl::chkBonus50, "012004", "",
                    {{{3, 1}, "Net Cost: $5,000.00"},
                     {{5, 1}, "Special 50% Depreciation Allowance. $5,000.00"}}},
    // Nothing left: the pattern writes no digit before the point.
    ParticularsCase{"Hundred", kRegular, "MACRS", "7", MainCtl::chkBonus100, "102010", "",
                    {{{3, 1}, "Net Cost: $.00"},
                     {{5, 1}, "Special 100% Depreciation Allowance. $10,000.00"}}},
    ParticularsCase{"ClassRelinquishedSold", MainCtl::optAssetType1, "ADS", "", kNone, "012004",
                    "062005", {{{4, 1}, "Class: Desks (10)"}, {{4, 2}, "Relinquished Asset"},
                               {{5, 2}, "Date Sold: 06/2005"}}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(ExportTest, MethodChangedAfterCalculationLeavesTheConventionEmpty) {
    Asset("Shelving", "Straight Line", "5", "1000", "012004");
    Calculate();
    ASSERT_EQ(state().convention_code, 3);
    Choose(MainCtl::cboMethod, "MACRS");
    Export();
    EXPECT_EQ(At(3, 2), "");
    EXPECT_EQ(At(2, 2), "Method: MACRS");
    EXPECT_EQ(
        Boxes(),
        (std::vector<Box>{{std::string(kAppTitle), "Control array element '3' doesn't exist"}}));
    EXPECT_EQ(Status(), "Export was successful.");
}

TEST_F(ExportTest, DialogAsksForTheWorkbookAndCancelWritesNothing) {
    Asset("Desk", "MACRS", "7", "1000", "012004");
    Calculate();
    ASSERT_NE(Status(), "");
    Export(std::nullopt);

    ASSERT_EQ(dialog.shown.size(), 1u);
    const FileDialogSettings& s = dialog.shown[0];
    EXPECT_EQ(s.title, "Select Export Path");
    EXPECT_EQ(s.filter, "Excel Files (*.xls)|*.xls");
    EXPECT_EQ(s.default_ext, "xls");
    EXPECT_EQ(s.file_name, "Orvane_Depr.xls");
    EXPECT_EQ(s.initial_folder, HomeFolder());
    EXPECT_TRUE(sheet.log.empty());  // the status line and the beep: a golden command-line case
}

TEST_F(ExportTest, DialogFailureIsReportedAndNothingIsWritten) {
    Asset("Desk", "MACRS", "7", "1000", "012004");
    Calculate();
    dialog.fault = Fault(68, "Device unavailable");
    Export();
    EXPECT_EQ(Boxes(),
              (std::vector<Box>{{std::string(kAppTitle),
                                 "Error in SetExportPath Device unavailable Error Number: 68"}}));
    EXPECT_TRUE(sheet.log.empty());
    EXPECT_EQ(Status(), "");
}

struct FailureCase {
    const char* name;
    const char* call;  // the spreadsheet call that fails
    Fault fault;
    std::vector<Box> boxes;
    const char* status;
    int saves;  // SaveAs calls
    std::vector<std::string> log_tail;
};

class FailureTest : public ExportTest, public ::testing::WithParamInterface<FailureCase> {};

// Each failure has its boxes and status; the workbook is saved when it can be, and the
// application always ends.
TEST_P(FailureTest, ReportedAndTheApplicationEnds) {
    const FailureCase& c = GetParam();
    if (std::string(c.call) == "held") {
        sheet.files[kBook].cells[{1, 1}] = "someone else's";
        sheet.held.insert(kBook);
    } else {
        sheet.faults.emplace(c.call, c.fault);
    }
    Asset("Desk", "MACRS", "7", "1000", "012004");
    Calculate();
    Export();
    EXPECT_EQ(Boxes(), c.boxes);
    EXPECT_EQ(Status(), c.status);
    EXPECT_EQ(platform.beeper.beeps, 1);  // a successful export beeps too
    EXPECT_EQ(Count("SaveAs"), c.saves);
    ASSERT_GE(sheet.log.size(), c.log_tail.size());
    EXPECT_EQ(std::vector<std::string>(sheet.log.end() - c.log_tail.size(), sheet.log.end()),
              c.log_tail);
    if (std::string(c.call) == "held") {
        EXPECT_EQ(sheet.files.at(kBook).cells.size(), 1u);
    } else if (std::string(c.call) == "Start") {
        EXPECT_TRUE(sheet.files.empty());
    }
}

const std::string kTitle(kAppTitle);
const std::vector<std::string> kSaved = {"SaveAs " + kBook, "Close", "Quit"};
// clang-format off
INSTANTIATE_TEST_SUITE_P(Faults, FailureTest, ::testing::Values(
    FailureCase{"HeldWorkbook", "held", Fault(0, ""), {{"Excel Spread Sheet Open.",
                "Close your speadsheet and try exporting again."}}, "Export failed.", 1, kSaved},
    FailureCase{"CannotStart", "Start", Fault(429, "LibreOffice is missing."),
                {{kTitle, "LibreOffice is missing."}}, "Export failed.", 0, {"Quit"}},
    // One box for the particulars, one for the schedule; the workbook is still saved.
    FailureCase{"WriteRefused", "Write", Fault(1004, "Write refused."),
                {{kTitle, "Write refused."}, {kTitle, "Write refused."}}, "Export was successful.",
                1, kSaved},
    FailureCase{"GoneMidway", "Write",
                Fault(kSpreadsheetGone, "The LibreOffice helper ended unexpectedly."),
                {{kTitle, "The LibreOffice helper ended unexpectedly."}}, "Export failed.", 0,
                {"Quit"}},
    FailureCase{"SaveFails", "SaveAs", Fault(1004, "General input/output error."),
                {{kTitle, "General input/output error."}}, "Export was successful.", 1,
                {"Close", "Quit"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- The LibreOffice spreadsheet without its helper: nothing is started (without LibreOffice
// itself is a golden command-line case).

TEST_F(ExportTest, WithoutTheHelperTheExportFailsAndNamesIt) {
    if (CalcSpreadsheet::FindOffice().empty()) GTEST_SKIP() << "no LibreOffice here";
    Asset("Desk", "MACRS", "7", "1000", "012004");
    Calculate();
    CalcSpreadsheet calc({.helper = "/nonexistent/orvane-calc"});
    dialog.answer = ::testing::TempDir() + "never.xls";
    cmdExport_Click(f(), window.depr(), With(calc));
    EXPECT_EQ(Status(), "Export failed.");
    ASSERT_EQ(platform.boxes.shown.size(), 1u);
    EXPECT_NE(platform.boxes.shown[0].text.find("/nonexistent/orvane-calc is missing"),
              std::string::npos)
        << platform.boxes.shown[0].text;
}

}  // namespace
}  // namespace orvane
