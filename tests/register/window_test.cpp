// The register against the one-asset window: for personal property the window can compute as
// well (full business use, no section 179, no allowance, half-year or mid-quarter), the
// register's schedule is, year by year, what orvane-cli's window computes for the same asset
// (the last year stopping at the basis where the window's rounded years pass it).

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "engine/register_asset.h"

namespace orvane::reg {
namespace {

struct Case {
    int life;
    bool mid_quarter;
    int month, year;
    Cents cost;
};

std::vector<Case> Cases() {
    std::vector<Case> cases;
    std::uint64_t state = 12345;
    const auto next = [&](std::uint64_t n) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return (state >> 33) % n;
    };
    const int lives[] = {3, 5, 7, 10, 15, 20};
    for (int i = 0; i < 240; ++i) {
        cases.push_back({lives[i % 6], (i / 6) % 2 == 1, 1 + static_cast<int>(next(12)),
                         1990 + static_cast<int>(next(35)),
                         100 + static_cast<Cents>(next(50'000'000))});
    }
    return cases;
}

long long CentsOfText(std::string text) {
    std::erase(text, ',');
    std::erase(text, ' ');
    return std::llround(std::stod(text) * 100);
}

TEST(RegisterAgainstWindow, SameScheduleYearByYear) {
    const std::vector<Case> cases = Cases();
    const std::string file = ::testing::TempDir() + "window-" + std::to_string(::getpid());
    {
        std::ofstream batch(file);
        for (const Case& c : cases) {
            char in_service[8];
            std::snprintf(in_service, sizeof in_service, "%02d%04d", c.month, c.year);
            batch << "--method MACRS --life " << c.life << " --cost " << c.cost / 100 << '.'
                  << (c.cost % 100 < 10 ? "0" : "") << c.cost % 100 << " --in-service "
                  << in_service << " --convention " << (c.mid_quarter ? "mid-quarter" : "half-year")
                  << '\n';
        }
    }
    std::ostringstream out, err;
    ASSERT_EQ(cli::Run({"--today", "2024-06-15", "--jobs", "1", "--batch", file}, out, err), 0)
        << err.str();
    std::remove(file.c_str());
    std::istringstream lines(out.str());
    for (const Case& c : cases) {
        std::string line;
        ASSERT_TRUE(std::getline(lines, line));
        const auto window = nlohmann::json::parse(line)["rows"];
        AssetInput a;
        a.placed = Day::Of(c.year, c.month, 1);
        a.cost = c.cost;
        a.recovery_halves = 2 * c.life;
        a.allowance = AllowanceMode::None;
        a.convention = c.mid_quarter ? Convention::MidQuarter : Convention::HalfYear;
        Schedule s;
        ComputeAsset(a, {}, s);
        ASSERT_EQ(s.count, window.size()) << line;
        Cents taken = 0;
        for (std::size_t k = 0; k < s.count; ++k) {
            EXPECT_EQ(std::to_string(s.first_year + static_cast<int>(k)), window[k][0]) << line;
            Cents expected = CentsOfText(window[k][1]);
            // Each year rounded on its own, the window's years can add up to a cent or two
            // more than the basis; the register's last year stops at the basis.
            if (k + 1 == s.count) expected = std::min(expected, a.cost - taken);
            EXPECT_EQ(s.rows[k].depreciation, expected) << line << " year " << k;
            taken += s.rows[k].depreciation;
        }
    }
}

}  // namespace
}  // namespace orvane::reg
