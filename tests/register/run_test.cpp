// The register end to end: a generated register of 10,000 assets whose totals are the sums of
// its schedules' rows to the cent, the same bytes on any number of threads; the four files
// together or not at all (a bad register: the golden cases register.t and register_faults.t).

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include <gtest/gtest.h>
#include <unistd.h>

#include "register/register_run.h"
#include "tests/register/generated_register.h"

namespace orvane::reg {
namespace {

namespace fs = std::filesystem;

class RegisterRun : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("orvane-register-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path Write(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / name, std::ios::binary) << text;
        return dir_ / name;
    }
    int Run(RegisterOptions o) {
        out_.str("");
        err_.str("");
        o.limits_folder = ORVANE_LIMITS_DIR;
        return RunRegister(o, out_, err_, "register");
    }
    static std::string Read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir_;
    std::ostringstream out_, err_;
};

std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream s(line);
    for (std::string c; std::getline(s, c, ',');)
        cells.push_back(c);
    return cells;
}

long long CentsOf(const std::string& text) {
    return std::llround(std::stod(text) * 100);
}

TEST_F(RegisterRun, TotalsAreTheSumsOfTheRowsOnAnyNumberOfThreads) {
    const fs::path file = dir_ / "generated.csv";
    std::FILE* f = std::fopen(file.c_str(), "wb");
    testing::WriteGeneratedRegister(f, 10'000);
    std::fclose(f);
    RegisterOptions o{.file = file, .year = 2025, .to_stdout = false, .out_dir = dir_ / "one"};
    ASSERT_EQ(Run(o), 0) << err_.str();
    o.out_dir = dir_ / "three";
    o.jobs = 3;
    ASSERT_EQ(Run(o), 0) << err_.str();
    for (std::string_view name : {"assets.csv", "schedules.csv", "totals.csv", "form4562.csv"})
        EXPECT_EQ(Read(dir_ / "one" / name), Read(dir_ / "three" / name)) << name;

    // Each year's columns summed over the schedules (ids never hold a comma).
    std::map<int, std::array<long long, 7>> sums;
    std::ifstream schedules(dir_ / "one" / "schedules.csv");
    std::string line;
    std::getline(schedules, line);
    long long rows = 0;
    while (std::getline(schedules, line)) {
        const auto c = Cells(line);
        auto& s = sums[std::stoi(c[1])];
        for (std::size_t k = 0; k < 6; ++k)
            s[k] += CentsOf(c[k + 2]);
        s[6] += 1;
        ASSERT_GE(CentsOf(c[7]), 0) << line;  // never more taken than the business cost
        ++rows;
    }
    EXPECT_GT(rows, 50'000);
    std::ifstream totals(dir_ / "one" / "totals.csv");
    std::getline(totals, line);
    std::size_t years = 0;
    while (std::getline(totals, line)) {
        const auto c = Cells(line);
        const auto& s = sums[std::stoi(c[0])];
        for (std::size_t k = 0; k < 6; ++k)
            EXPECT_EQ(CentsOf(c[k + 1]), s[k]) << line;
        EXPECT_EQ(std::stoll(c[7]), s[6]) << line;
        ++years;
    }
    EXPECT_EQ(years, sums.size());
}

TEST_F(RegisterRun, TheFourFilesTogetherOrNotAtAll) {
    const fs::path file =
        Write("ok.csv", "id,placed_in_service,cost,recovery\nA,2024-05-01,1000,5\n");
    const fs::path out = dir_ / "out";
    RegisterOptions o{.file = file, .year = 2024, .to_stdout = false, .out_dir = out};
    ASSERT_EQ(Run(o), 0) << err_.str();
    EXPECT_TRUE(
        Read(out / "totals.csv")
            .starts_with("year,section_179,allowance,depreciation,total,accumulated,"
                         "basis_left,assets\n2024,0.00,600.00,80.00,680.00,680.00,320.00,1\n"));
    // Run again over it: the folder is replaced in one step, nothing else is left beside it.
    ASSERT_EQ(Run(o), 0) << err_.str();
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_))
        ++entries;
    EXPECT_EQ(entries, 2u);  // ok.csv and out
    // A folder holding anything else is left alone.
    Write("out/mine.txt", "x");
    EXPECT_EQ(Run(o), 2);
    EXPECT_TRUE(fs::exists(out / "mine.txt"));
    EXPECT_TRUE(fs::exists(out / "assets.csv"));
}

}  // namespace
}  // namespace orvane::reg
