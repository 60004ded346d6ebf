// A batch line too long to keep is named by its number and the next one is computed (every line
// read as std::getline would, and the JSON of any bytes, are the fuzz targets' invariants).

#include <filesystem>
#include <fstream>
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
using orvane::cli::LineLimits;

constexpr std::string_view kAsset = "--method MACRS --life 5 --cost 10000 --in-service 012004";

// The lines of `text` as std::getline reads them.
std::vector<std::string> GetLines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
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

}  // namespace
