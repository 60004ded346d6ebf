// The register's workbook read back by gnumeric's ssconvert, each sheet as CSV twice: as the
// cells' values and as they are shown. Each sheet holds the command's own file of the same
// register to the cent, its amounts as numbers shown with separators and its dates as dates.

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "register/csv.h"
#include "register/writers.h"
#include "tests/register/generated_register.h"

namespace orvane::reg {
namespace {

namespace fs = std::filesystem;
using Table = std::vector<std::vector<std::string>>;

Table ReadCsv(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    Table rows;
    std::vector<std::string_view> fields;
    std::string line, scratch;
    CsvFieldError bad;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        EXPECT_TRUE(SplitRecord(line, fields, scratch, bad)) << file << ": " << line;
        rows.emplace_back(fields.begin(), fields.end());
    }
    return rows;
}

int Status(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The workbook's sheets as CSV files named after them in `folder`, as values or as shown.
int Convert(const fs::path& book, const fs::path& folder, const char* format) {
    fs::create_directories(folder);
    return Status("'" ORVANE_SSCONVERT "' -S --export-type=Gnumeric_stf:stf_assistant -O 'format=" +
                  std::string(format) + "' '" + book.string() + "' '" + folder.string() +
                  "/%s.csv' 2>/dev/null");
}

std::set<std::string> Names(const fs::path& folder, bool stems) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.insert((stems ? e.path().stem() : e.path().filename()).string());
    return names;
}

bool Number(const std::string& text, double& v) {
    std::istringstream in(text);
    return !text.empty() && (in >> v) && in.peek() == EOF;
}

class WorkbookTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("orvane-workbook-test-" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // The command's files in out/ and the workbook's sheets as values in raw/ and as shown in
    // shown/, one file a sheet named after it.
    void Report(const fs::path& reg, const std::string& book, const std::string& year) {
        ASSERT_EQ(
            Status("'" ORVANE_CLI "' register '" + reg.string() + "' --year " + year + " --out '" +
                   (dir_ / "out").string() + "' --workbook '" + (dir_ / book).string() + "'"),
            0);
        ASSERT_EQ(Convert(dir_ / book, dir_ / "raw", "raw"), 0);
        ASSERT_EQ(Convert(dir_ / book, dir_ / "shown", "preserve"), 0);
    }

    // A sheet against the command's file, but for the file's column `left_out`. `blanks`: the
    // sheet leaves section 179 and the allowance blank where the file has zero.
    void ExpectSheet(const std::string& sheet, const std::string& file,
                     const std::string& left_out = "", bool blanks = false) {
        const Table want = ReadCsv(dir_ / "out" / file);
        const Table raw = ReadCsv(dir_ / "raw" / (sheet + ".csv"));
        const Table shown = ReadCsv(dir_ / "shown" / (sheet + ".csv"));
        ASSERT_EQ(raw.size(), want.size()) << sheet;
        ASSERT_EQ(shown.size(), want.size()) << sheet;
        for (std::size_t r = 1; r < want.size(); ++r) {
            ASSERT_EQ(raw[r].size(), want[0].size() - !left_out.empty()) << sheet << " row " << r;
            for (std::size_t c = 0, k = 0; c < want[0].size(); ++c) {
                const std::string& column = want[0][c];
                if (column == left_out) continue;
                const bool blank = blanks && (column == "section_179" || column == "allowance") &&
                                   want[r][c] == "0.00";
                ExpectCell(column, blank ? "" : want[r][c], raw[r][k], shown[r][k]);
                ++k;
            }
        }
    }

    static void ExpectCell(const std::string& column, const std::string& want,
                           const std::string& raw, const std::string& shown) {
        static const std::set<std::string> money = {
            "cost",         "section_179", "allowance",  "depreciable_basis",
            "depreciation", "accumulated", "basis_left", "gain_loss",
            "drift",        "total"};
        const std::string where = column + " '" + want + "'";
        double value = 0, wanted = 0;
        if (want.empty()) {
            EXPECT_EQ(raw, "") << where;
        } else if (money.contains(column) || column == "basis" || column == "amount") {
            // A number, shown with separators: cents, or whole dollars on Form 4562.
            const bool dollars = !money.contains(column);
            ASSERT_TRUE(Number(raw, value) && Number(want, wanted)) << where << " raw " << raw;
            EXPECT_EQ(std::llround(value * 100), std::llround(wanted * 100)) << where;
            std::string grouped;
            AppendGrouped(grouped, std::llround(wanted * (dollars ? 1 : 100)), dollars);
            EXPECT_EQ(shown, grouped) << where;
        } else if (column == "placed_in_service" || column == "disposed") {
            // A day number shown as the date.
            EXPECT_TRUE(Number(raw, value) && value == std::floor(value)) << where << " " << raw;
            EXPECT_EQ(shown, want) << where;
        } else if (Number(want, wanted)) {
            EXPECT_TRUE(Number(raw, value) && value == wanted) << where << " raw " << raw;
        } else {
            EXPECT_EQ(raw, want) << where;
        }
    }

    void ExpectWorkbook() {
        EXPECT_EQ(Names(dir_ / "raw", true),
                  (std::set<std::string>{"Register", "Schedules", "Totals", "Form 4562"}));
        ExpectSheet("Register", "assets.csv");
        ExpectSheet("Schedules", "schedules.csv", "total", true);
        ExpectSheet("Totals", "totals.csv");
        ExpectSheet("Form 4562", "form4562.csv");
    }

    fs::path dir_;
};

TEST_F(WorkbookTest, SheetsHoldTheCommandsFiles) {
    Report(ORVANE_EXAMPLE, "example.xlsx", "2025");
    ExpectWorkbook();
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    std::FILE* f = std::fopen((dir_ / "gen.csv").c_str(), "wb");
    testing::WriteGeneratedRegister(f, 400);
    std::fclose(f);
    Report(dir_ / "gen.csv", "gen.xlsx", "2024");
    ExpectWorkbook();
}

// LibreOffice stores the same sheets as OpenDocument.
TEST_F(WorkbookTest, OdsHoldsTheSameSheets) {
#ifndef ORVANE_HAS_CALC_HELPER
    GTEST_SKIP() << "this build has no LibreOffice helper";
#endif
    if (Status("command -v soffice >/dev/null") != 0) GTEST_SKIP() << "no LibreOffice";
    Report(ORVANE_EXAMPLE, "example.xlsx", "2024");
    ASSERT_EQ(Status("'" ORVANE_CLI "' register '" ORVANE_EXAMPLE "' --year 2024 --workbook '" +
                     (dir_ / "example.ods").string() + "'"),
              0);
    ASSERT_EQ(Convert(dir_ / "example.ods", dir_ / "ods", "preserve"), 0);
    for (const char* sheet : {"Register", "Schedules", "Totals", "Form 4562"})
        EXPECT_EQ(ReadCsv(dir_ / "ods" / (std::string(sheet) + ".csv")),
                  ReadCsv(dir_ / "shown" / (std::string(sheet) + ".csv")))
            << sheet;
}

TEST_F(WorkbookTest, NoFileForBadRowsOrAFolderThatIsNotThere) {
    std::ofstream(dir_ / "r.csv") << "id,placed_in_service,cost,property,recovery\n"
                                     "A,2024-03-01,1000,personal,5\n"
                                     "B,2024-13-01,1000,personal,5\n";
    const auto run = [&](const fs::path& book) {
        return Status("'" ORVANE_CLI "' register '" + (dir_ / "r.csv").string() +
                      "' --year 2024 2>'" + (dir_ / "err").string() + "' --workbook '" +
                      book.string() + "'");
    };
    EXPECT_EQ(run(dir_ / "r.xlsx"), 1);
    std::string line;
    std::getline(std::ifstream(dir_ / "err"), line);
    EXPECT_TRUE(line.starts_with("row 3: ")) << line;
    std::ofstream(dir_ / "r.csv") << "id,placed_in_service,cost,property,recovery\n"
                                     "A,2024-03-01,1000,personal,5\n";
    EXPECT_EQ(run(dir_ / "none" / "r.xlsx"), 2);
    EXPECT_EQ(Names(dir_, false), (std::set<std::string>{"r.csv", "err"}));
}

}  // namespace
}  // namespace orvane::reg
