// The register held in memory against the register command on the same file: the same totals
// and Form 4562 to the cent, the same messages for bad rows, and a file saved and read back
// holding the same cells.

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>
#include <unistd.h>

#include "register/book.h"
#include "register/register_run.h"
#include "tests/register/generated_register.h"

namespace orvane::reg {
namespace {

namespace fs = std::filesystem;

class BookTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("orvane-book-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        std::vector<std::string> problems;
        limits_ = LoadVehicleLimits(ORVANE_LIMITS_DIR, problems);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path Write(const std::string& text) {
        std::ofstream(dir_ / "r.csv", std::ios::binary) << text;
        return dir_ / "r.csv";
    }
    std::string Command(const fs::path& file, int year, std::string& err) {
        RegisterOptions o;
        o.file = file;
        o.year = year;
        o.business_income = 90000;
        o.limits_folder = ORVANE_LIMITS_DIR;
        std::ostringstream out, e;
        RunRegister(o, out, e, "register");
        err = e.str();
        return out.str();
    }
    fs::path dir_;
    VehicleLimitTable limits_;
};

TEST_F(BookTest, FiguresEqualTheCommandsForAGeneratedRegister) {
    const fs::path file = dir_ / "gen.csv";
    std::FILE* f = std::fopen(file.c_str(), "wb");
    testing::WriteGeneratedRegister(f, 3000);
    std::fclose(f);
    Book book;
    std::string error;
    ASSERT_TRUE(book.Load(file, error)) << error;
    ASSERT_EQ(book.size(), 3000u);
    for (int year : {2019, 2025}) {
        const BookFigures fig = FigureBook(book, year, 90000, 0, limits_);
        ASSERT_TRUE(fig.errors.empty()) << fig.errors[0].second;
        std::string totals;
        for (std::size_t i = 0; i < fig.totals.size(); ++i)
            AppendTotalsRow(totals, Format::Csv, fig.first_year + static_cast<int>(i),
                            fig.totals[i]);
        std::string err;
        const std::string out = Command(file, year, err);
        const std::string expected = std::string(kTotalsHeader) + totals + '\n' +
                                     std::string(kFormHeader) + FormText(fig.form, Format::Csv);
        ASSERT_GE(out.size(), expected.size());
        EXPECT_EQ(out.substr(out.size() - expected.size()), expected) << year;
        // The year's amounts of the assets add up to the year's totals row.
        TotalsRow sum;
        for (const AssetYear& a : fig.assets)
            sum.Add(a.year);
        const TotalsRow& row = fig.totals[static_cast<std::size_t>(year - fig.first_year)];
        EXPECT_EQ(sum.section179, row.section179);
        EXPECT_EQ(sum.allowance, row.allowance);
        EXPECT_EQ(sum.depreciation, row.depreciation);
    }
}

TEST_F(BookTest, BadRowsAndRepeatedIdsGetTheCommandsMessages) {
    const fs::path file = Write(
        "id,placed_in_service,cost,property,recovery\n"
        "A,2024-03-01,1000,personal,5\n"
        "B,2024-13-01,1000,personal,5\n"
        "A,2024-03-01,1000,personal,5\n"
        "C,2024-03-01,1000,boat,5\n");
    Book book;
    std::string error;
    ASSERT_TRUE(book.Load(file, error)) << error;
    const BookFigures fig = FigureBook(book, 2024, std::nullopt, 0, limits_);
    std::string err;
    Command(file, 2024, err);
    std::string messages;
    for (const auto& [row, text] : fig.errors)
        messages += text + '\n';
    EXPECT_EQ(fig.errors.size(), 3u);
    EXPECT_EQ(messages, err);
    EXPECT_TRUE(fig.assets.empty());
}

TEST_F(BookTest, SavedAndReadBackHoldsTheSameCells) {
    Book book;
    book.Insert(0);
    book.SetCell(0, Column::Id, "K-1");
    book.SetCell(0, Column::Description, "Desk, \"oak\"\nwith drawers");
    book.SetCell(0, Column::Cost, "12500.00");
    book.Insert(1, book.fields(0));
    book.SetCell(1, Column::Id, "K-2");
    const fs::path file = dir_ / "saved.csv";
    std::string error;
    ASSERT_TRUE(book.Save(file, error)) << error;
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(book.Save(file, error)) << error;
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    Book back;
    ASSERT_TRUE(back.Load(file, error)) << error;
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back.names(), book.names());
    EXPECT_EQ(back.fields(0), book.fields(0));
    EXPECT_EQ(back.Cell(1, Column::Id), "K-2");
    EXPECT_EQ(back.Cell(1, Column::Description), "Desk, \"oak\"\nwith drawers");
    // Saving into a folder that cannot be written leaves the old file as it was.
    EXPECT_FALSE(book.Save(dir_ / "missing" / "x.csv", error));
    EXPECT_NE(error.find("cannot write"), std::string::npos);
}

TEST_F(BookTest, AColumnTheFileLacksIsAddedWhenSet) {
    Book book;
    std::string error;
    ASSERT_TRUE(book.Load(Write("id,placed_in_service,cost,property,recovery,notes\n"
                                "A,2024-03-01,1000,personal,5,keep me\n"),
                          error));
    EXPECT_EQ(book.Cell(0, Column::Disposed), "");
    book.SetCell(0, Column::Disposed, "2025-06-30");
    EXPECT_EQ(book.names().back(), "disposed");
    EXPECT_EQ(book.fields(0)[5], "keep me");
    EXPECT_EQ(book.Cell(0, Column::Disposed), "2025-06-30");
}

}  // namespace
}  // namespace orvane::reg
