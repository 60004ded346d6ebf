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
    Services WithSpreadsheet() { return With(sheet); }
    Services With(Spreadsheet& spreadsheet) {
        Services services = platform.services();
        services.spreadsheet = &spreadsheet;
        services.file_dialog = &dialog;
        return services;
    }
    void Export(std::optional<std::string> path = kBook) {
        dialog.answer = std::move(path);
        ASSERT_TRUE(f().Usable(MainCtl::cmdExport));
        cmdExport_Click(f(), window.depr(), WithSpreadsheet());
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
    const std::map<std::pair<int, int>, std::string> particulars = {
        {{1, 1}, "Press brake"},
        {{1, 2}, ""},
        {{1, 3}, "Year"},
        {{1, 4}, "Depreciation"},
        {{1, 5}, "Adj Tax Basis"},
        {{2, 1}, "In Service Date: 01/2004"},
        {{2, 2}, "Method: MACRS"},
        {{3, 1}, "Net Cost: $10,000.00"},
        {{3, 2}, "Convention: Half Year"},
        {{4, 1}, kLife7},
        {{4, 2}, "Regular Asset"},
        {{5, 1}, "(none)"},  // no allowance box checked
        {{5, 2}, ""},
    };
    for (const auto& [at, text] : particulars)
        EXPECT_EQ(At(at.first, at.second), text) << "row " << at.first << " col " << at.second;
    // Eight years, 2004 to 2011, in the first group.
    EXPECT_EQ(At(2, 3), "         2004");
    EXPECT_EQ(At(2, 4), "    1,429.00 ");
    EXPECT_EQ(At(2, 5), "    8,571.00 ");
    EXPECT_EQ(At(9, 3), "         2011");
    EXPECT_EQ(At(9, 4), "      446.00 ");
    EXPECT_EQ(At(9, 5), "         .00 ");
    EXPECT_EQ(At(10, 3), "(none)");
    EXPECT_EQ(sheet.files.at(kBook).widths,
              (std::map<int, double>{{1, 50}, {2, 20}, {3, 5}, {4, 15}, {5, 15}}));
    EXPECT_EQ(sheet.files.at(kBook).sheets, 1);
    // A new workbook is not searched; the application ends with the export.
    EXPECT_EQ(Count("ReadColumn"), 0);
    ASSERT_GE(sheet.log.size(), 3u);
    EXPECT_EQ(sheet.log[0], "Start");
    EXPECT_EQ(sheet.log[1], "Open " + kBook);
    EXPECT_EQ(sheet.log[2], "Add");
    EXPECT_EQ(std::vector<std::string>(sheet.log.end() - 3, sheet.log.end()),
              (std::vector<std::string>{"SaveAs " + kBook, "Close", "Quit"}));
}

TEST_F(ExportTest, SecondAssetStartsBelowTwoEmptyRowsAndKeepsTheWidths) {
    Asset("Lathe", "MACRS", "10", "20000", "012004");  // eleven years: column C to row 12
    Calculate();
    Export();
    sheet.files[kBook].widths[1] = 33;  // the user widened column A since
    sheet.log.clear();

    ASSERT_EQ(window.Click(MainCtl::cmdClear), Outcome::Done);
    Asset("Drill", "MACRS", "5", "3000", "032006");
    Calculate();
    Export();

    EXPECT_EQ(Status(), "Export was successful.");
    EXPECT_EQ(At(12, 3), "         2014");
    for (int row : {13, 14}) {
        for (int col = 1; col <= 5; ++col)
            EXPECT_EQ(At(row, col), "(none)") << "row " << row << " col " << col;
    }
    EXPECT_EQ(At(15, 1), "Drill");
    EXPECT_EQ(At(15, 3), "Year");
    EXPECT_EQ(At(16, 1), "In Service Date: 03/2006");
    EXPECT_EQ(At(16, 3), "         2006");
    EXPECT_EQ(At(15, 2), "Business Percent: 100");  // a life of 5 opens the business use
    EXPECT_EQ(At(1, 1), "Lathe");                   // the first block stays
    EXPECT_EQ(sheet.files.at(kBook).widths.at(1), 33);
    EXPECT_EQ(Count("SetColumnWidth"), 0);
    EXPECT_EQ(Count("Add"), 0);
    EXPECT_EQ(Count("ReadColumn 3 1 90002"), 1);
}

class NoConventionTest : public ExportTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NoConventionTest, ConventionCellIsWrittenEmpty) {
    Asset("Patent", GetParam(), "3", "9000", "072010");
    Calculate();
    Export();
    EXPECT_EQ(At(3, 2), "");
    EXPECT_EQ(At(2, 2), std::string("Method: ") + GetParam());
    EXPECT_EQ(At(4, 1), "Life: 3                        ");
    EXPECT_TRUE(platform.boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Methods, NoConventionTest, ::testing::Values("Straight Line", "Amortize"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::erase(name, ' ');
                             return name;
                         });

struct AllowanceCase {
    const char* name;
    MainCtl box;
    const char* in_service;
    const char* net_cost;
    const char* line;
};
void PrintTo(const AllowanceCase& c, std::ostream* os) {
    *os << c.name;
}

class AllowanceTest : public ExportTest, public ::testing::WithParamInterface<AllowanceCase> {};

TEST_P(AllowanceTest, NetCostAndAllowanceLine) {
    const AllowanceCase& p = GetParam();
    Asset("Loader", "MACRS", "7", "10000", p.in_service);
    ASSERT_EQ(window.Click(p.box), Outcome::Done);
    Calculate();
    Export();
    EXPECT_EQ(At(3, 1), p.net_cost);
    EXPECT_EQ(At(5, 1), p.line);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, AllowanceTest,
    ::testing::Values(AllowanceCase{"Thirty", MainCtl::chkBonus, "102001", "Net Cost: $7,000.00",
                                    "Special 30% Depreciation Allowance. $3,000.00"},
                      AllowanceCase{"Fifty", MainCtl::chkBonus50, "012004", "Net Cost: $5,000.00",
                                    "Special 50% Depreciation Allowance. $5,000.00"},
                      // Nothing left: the pattern writes no digit before the point.
                      AllowanceCase{"Hundred", MainCtl::chkBonus100, "102010", "Net Cost: $.00",
                                    "Special 100% Depreciation Allowance. $10,000.00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExportTest, FiveYearScheduleLeavesTheOtherGroupsRowsUntouched) {
    // Column C is empty, so the block starts in row 1 of this workbook.
    FakeWorkbook& book = sheet.files[kBook];
    for (int row = 1; row <= 50; ++row) {
        book.cells[{row, 4}] = "keep";
        book.cells[{row, 5}] = "keep";
    }
    Asset("Van", "MACRS", "5", "25000", "012004");
    Calculate();
    Export();

    EXPECT_EQ(At(1, 4), "Depreciation");
    EXPECT_EQ(At(7, 3), "         2009");  // six years: rows 2 to 7
    EXPECT_NE(At(7, 4), "keep");
    for (int row = 8; row <= 50; ++row) {
        EXPECT_EQ(At(row, 3), "(none)") << row;
        EXPECT_EQ(At(row, 4), "keep") << row;
        EXPECT_EQ(At(row, 5), "keep") << row;
    }
}

TEST_F(ExportTest, ClassAssetTypeAndDateSold) {
    ASSERT_EQ(window.Click(MainCtl::optAssetType1), Outcome::Done);
    Choose(MainCtl::cboMethod, "ADS");
    Choose(MainCtl::cboClass, "Desks (10)");
    Enter(MainCtl::txtCost, "30000");
    InService("012004");
    ASSERT_EQ(window.Focus(MainCtl::mskSold), Outcome::Done);
    window.TypeText("062005");
    Calculate();
    Export();
    EXPECT_EQ(At(4, 1), "Class: Desks (10)");
    EXPECT_EQ(At(4, 2), "Relinquished Asset");
    EXPECT_EQ(At(5, 2), "Date Sold: 06/2005");
}

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
    const SaveDialogSettings& s = dialog.shown[0];
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

TEST_F(ExportTest, HeldWorkbookIsClosedAndTheExportFails) {
    FakeWorkbook& book = sheet.files[kBook];
    book.cells[{1, 1}] = "someone else's";
    sheet.held.insert(kBook);
    Asset("Desk", "MACRS", "7", "1000", "012004");
    Calculate();
    Export();

    EXPECT_EQ(Boxes(), (std::vector<Box>{{"Excel Spread Sheet Open.",
                                          "Close your speadsheet and try exporting again."}}));
    EXPECT_EQ(Status(), "Export failed.");
    EXPECT_EQ(platform.beeper.beeps, 1);
    EXPECT_EQ(sheet.files.at(kBook).cells.size(), 1u);
    EXPECT_EQ(std::vector<std::string>(sheet.log.end() - 3, sheet.log.end()),
              (std::vector<std::string>{"SaveAs " + kBook, "Close", "Quit"}));
}

TEST_F(ExportTest, ApplicationThatCannotStartFailsTheExportWithItsReason) {
    sheet.faults.emplace("Start", Fault(429, "LibreOffice is missing."));
    Asset("Desk", "MACRS", "7", "1000", "012004");
    Calculate();
    Export();
    EXPECT_EQ(Boxes(), (std::vector<Box>{{std::string(kAppTitle), "LibreOffice is missing."}}));
    EXPECT_EQ(Status(), "Export failed.");
    EXPECT_EQ(platform.beeper.beeps, 1);
    EXPECT_TRUE(sheet.files.empty());
}

TEST_F(ExportTest, OtherFailuresAreShownAndTheExportGoesOn) {
    sheet.faults.emplace("Write", Fault(1004, "Write refused."));
    Asset("Desk", "MACRS", "7", "1000", "012004");
    Calculate();
    Export();
    // One box for the particulars, one for the schedule; the workbook is still saved.
    EXPECT_EQ(Boxes(), (std::vector<Box>{{std::string(kAppTitle), "Write refused."},
                                         {std::string(kAppTitle), "Write refused."}}));
    EXPECT_EQ(Count("SaveAs"), 1);
    EXPECT_EQ(Count("Quit"), 1);
    EXPECT_EQ(Status(), "Export was successful.");
    EXPECT_EQ(platform.beeper.beeps, 1);  // a successful export beeps too
}

TEST_F(ExportTest, ApplicationGoneMidwayFailsTheExportWithOneMessage) {
    sheet.faults.emplace("Write",
                         Fault(kSpreadsheetGone, "The LibreOffice helper ended unexpectedly."));
    Asset("Desk", "MACRS", "7", "1000", "012004");
    Calculate();
    Export();
    EXPECT_EQ(
        Boxes(),
        (std::vector<Box>{{std::string(kAppTitle), "The LibreOffice helper ended unexpectedly."}}));
    EXPECT_EQ(Count("SaveAs"), 0);
    EXPECT_EQ(sheet.log.back(), "Quit");
    EXPECT_EQ(Status(), "Export failed.");
    EXPECT_EQ(platform.beeper.beeps, 1);
}

TEST_F(ExportTest, SaveFailureOtherThanAHeldFileIsShownAndTheWorkbookClosed) {
    sheet.faults.emplace("SaveAs", Fault(1004, "General input/output error."));
    Asset("Desk", "MACRS", "7", "1000", "012004");
    Calculate();
    Export();
    EXPECT_EQ(Boxes(), (std::vector<Box>{{std::string(kAppTitle), "General input/output error."}}));
    EXPECT_EQ(std::vector<std::string>(sheet.log.end() - 2, sheet.log.end()),
              (std::vector<std::string>{"Close", "Quit"}));
    EXPECT_EQ(Status(), "Export was successful.");
}

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
