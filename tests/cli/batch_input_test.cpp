// The batch file as it may come: lines of any length, in pieces of any size, and bytes that are
// no UTF-8. Each line is read as std::getline would read it, a line too long to keep is named
// by its number and the next one is computed, and every line written is JSON.

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>
#include <nlohmann/json.hpp>

#include "cli/batch_reader.h"
#include "cli/commands.h"

namespace {

namespace fs = std::filesystem;
using orvane::cli::LineBlock;
using orvane::cli::LineLimits;
using orvane::cli::LineReader;

constexpr std::string_view kAsset = "--method MACRS --life 5 --cost 10000 --in-service 012004";

// The lines of `text` as std::getline reads them.
std::vector<std::string> GetLines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(BatchReader, ReadsEveryLineOnceWhateverThePiecesAndBlocks) {
    std::mt19937 random(7);
    for (int round = 0; round < 400; ++round) {
        std::string text;
        const int size = static_cast<int>(random() % 300);
        for (int i = 0; i < size; ++i)
            text += random() % 6 == 0 ? '\n' : static_cast<char>('a' + random() % 3);
        const LineLimits limits{.max_line = 1 + random() % 12,
                                .block_lines = 1 + random() % 5,
                                .block_bytes = 1 + random() % 40,
                                .piece = 1 + random() % 9};
        std::istringstream in(text);
        LineReader reader(in, limits);
        std::vector<std::string> expected = GetLines(text);
        std::size_t n = 0;
        LineBlock b;
        for (bool more = true; more;) {
            more = reader.Fill(b);
            ASSERT_LE(b.text.size(), limits.block_bytes + limits.max_line + limits.piece);
            for (std::size_t i = 0; i < b.count; ++i, ++n) {
                ASSERT_LT(n, expected.size()) << "round " << round;
                if (expected[n].size() > limits.max_line) {
                    EXPECT_TRUE(b.lines[i].too_long) << "round " << round << " line " << n;
                } else {
                    EXPECT_FALSE(b.lines[i].too_long);
                    EXPECT_EQ(b.lines[i].text, expected[n]) << "round " << round << " line " << n;
                }
            }
        }
        EXPECT_EQ(n, expected.size()) << "round " << round;
    }
}

struct Ran {
    std::vector<std::string> lines;
    std::string err;
    int code;
};

Ran RunCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = orvane::cli::Run(args, out, err);
    return {GetLines(out.str()), err.str(), code};
}

fs::path WriteFile(const std::string& bytes) {
    static int count = 0;
    fs::path p = fs::temp_directory_path() /
                 ("orvane-input-" + std::to_string(getpid()) + "-" + std::to_string(++count));
    std::ofstream(p, std::ios::binary) << bytes;
    return p;
}

TEST(BatchInput, ALineTooLongIsNamedAndTheNextIsComputed) {
    const std::size_t max = LineLimits{}.max_line;
    const fs::path file = WriteFile(std::string(max + 1, 'a') + "\n" + std::string(kAsset) + "\n" +
                                    std::string(max, ' ') + "\n" + std::string(kAsset));
    const Ran r = RunCli({"--today", "2024-06-15", "--jobs", "2", "--batch", file.string()});
    fs::remove(file);
    ASSERT_EQ(r.lines.size(), 3u);
    EXPECT_EQ(r.lines[0], R"({"error":"line 1: longer than 1048576 bytes"})");
    // A line of blanks as long as the limit is read, and is an empty line.
    for (int i : {1, 2}) {
        EXPECT_EQ(nlohmann::json::parse(r.lines[i])["rows"][0][1], "2,000.00 ") << r.lines[i];
    }
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, "orvane-cli: 1 batch line(s) had errors\n");
}

TEST(BatchInput, TheWindowsStateIsJsonWhateverBytesWereTyped) {
    const Ran r = RunCli({"--method", "\xff", "--paste", "txtDescription=a\xe2\x82 \xc0\xaf",
                          "--paste", "txtCost=12\xfe", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    std::string all;
    for (const auto& line : r.lines)
        all += line + "\n";
    const auto state = nlohmann::json::parse(all);  // throws on a byte that is no UTF-8
    EXPECT_EQ(state["messages"][0]["text"],
              "ignored: --method \xef\xbf\xbd (not in the list of cboMethod)");
    const std::string description = state["fields"]["txtDescription"];
    EXPECT_TRUE(description.starts_with("a\xef\xbf\xbd")) << description;
}

}  // namespace
