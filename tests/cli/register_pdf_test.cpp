// The register's report as a PDF (orvane-cli register --pdf), read back with pdftotext
// -layout: every page carries the report's header with its own page number, the totals and
// Form 4562 say what the command's CSV says (bad rows make no file: register_faults.t).

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/register/generated_register.h"

namespace {

namespace fs = std::filesystem;

struct Ran {
    std::string out, err;
    int code = -1;
};

Ran Shell(const std::string& command, const fs::path& scratch) {
    Ran r;
    const fs::path err = scratch / "stderr";
    FILE* pipe = popen((command + " 2>'" + err.string() + "'").c_str(), "r");
    std::array<char, 4096> buf{};
    while (std::size_t n = fread(buf.data(), 1, buf.size(), pipe))
        r.out.append(buf.data(), n);
    const int status = pclose(pipe);
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(err);
    r.err.assign(std::istreambuf_iterator<char>(in), {});
    return r;
}

std::vector<std::string> Split(const std::string& text, char by) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, by);)
        parts.push_back(part);
    return parts;
}

// A line's words with the thousands separators taken out.
std::vector<std::string> Words(std::string line) {
    std::erase(line, ',');
    std::istringstream in(line);
    return {std::istream_iterator<std::string>(in), {}};
}

class RegisterPdfTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string tools = "for t in pdftotext pdfinfo; do command -v $t; done | wc -l";
        if (Shell(tools, fs::temp_directory_path()).out != "2\n")
            GTEST_SKIP() << "poppler-utils missing";
        dir_ = fs::temp_directory_path() / ("orvane-register-pdf-" + std::to_string(getpid()));
        fs::create_directories(dir_);
        pdf_ = dir_ / "report.pdf";
    }
    void TearDown() override { fs::remove_all(dir_); }
    Ran Cli(const std::string& args) {
        return Shell(std::string("'") + ORVANE_CLI + "' register " + args, dir_);
    }
    Ran Pdf(const fs::path& reg, const std::string& more = {}) {
        return Cli("'" + reg.string() + "' --year 2025 --pdf '" + pdf_.string() + "' " + more);
    }
    std::string Text() { return Shell("pdftotext -layout '" + pdf_.string() + "' -", dir_).out; }

    fs::path dir_, pdf_;
};

TEST_F(RegisterPdfTest, EveryPageHasTheHeaderWithItsNumber) {
    std::FILE* f = std::fopen((dir_ / "gen.csv").c_str(), "wb");
    orvane::reg::testing::WriteGeneratedRegister(f, 200);
    std::fclose(f);
    const Ran ran = Pdf(dir_ / "gen.csv", "--taxpayer 'Marlow & Daughters' --today 2024-06-15");
    ASSERT_EQ(ran.code, 0) << ran.err;
    EXPECT_EQ(ran.out, "");
    std::vector<std::string> pages = Split(Text(), '\f');
    const std::string info = Shell("pdfinfo '" + pdf_.string() + "'", dir_).out;
    ASSERT_NE(info.find("Pages:           " + std::to_string(pages.size())), std::string::npos);
    ASSERT_GT(pages.size(), 3u);
    const std::string of = " of " + std::to_string(pages.size());
    for (std::size_t i = 0; i < pages.size(); ++i)
        for (const std::string& want : std::initializer_list<std::string>{
                 "Depreciation Report", "Marlow & Daughters", "Tax year 2025", "Printed 06/15/2024",
                 "Page " + std::to_string(i + 1) + of})
            EXPECT_NE(pages[i].find(want), std::string::npos) << want << " on page " << i + 1;
}

TEST_F(RegisterPdfTest, TotalsAndFormEqualTheCsv) {
    const Ran ran = Pdf(ORVANE_EXAMPLE, "--format csv");
    ASSERT_EQ(ran.code, 0) << ran.err;
    const std::vector<std::string> csv = Split(ran.out, '\n');
    const auto totals_at = std::find(csv.begin(), csv.end(), "") + 2;
    const auto form_at = std::find(totals_at, csv.end(), "") + 2;
    static const std::regex year(R"(\d{4})"), line(R"(\d{1,2}[a-i]?)");
    std::vector<std::vector<std::string>> totals, form;
    bool in_form = false;
    for (const std::string& text : Split(Text(), '\n')) {
        const std::vector<std::string> w = Words(text);
        if (text.starts_with("Form 4562") || text.starts_with("Assets")) in_form = text[0] == 'F';
        if (w.size() == 8 && std::regex_match(w[0], year)) totals.push_back(w);
        if (in_form && !w.empty() && std::regex_match(w[0], line)) form.push_back(w);
    }
    ASSERT_EQ(totals.size(), static_cast<std::size_t>(form_at - totals_at - 2));
    for (std::size_t i = 0; i < totals.size(); ++i)
        EXPECT_EQ(totals[i], Split(totals_at[static_cast<std::ptrdiff_t>(i)], ','));
    ASSERT_EQ(form.size(), static_cast<std::size_t>(csv.end() - form_at));
    for (std::size_t i = 0; i < form.size(); ++i) {
        const std::vector<std::string> want = Split(form_at[static_cast<std::ptrdiff_t>(i)], ',');
        SCOPED_TRACE("line " + want[0]);
        EXPECT_EQ(form[i][0], want[0]);
        if (want.size() == 7) {  // an amount
            EXPECT_EQ(form[i].back(), want[6]);
        }
        if (!want[2].empty()) {  // a basis
            EXPECT_NE(std::find(form[i].begin(), form[i].end(), want[2]), form[i].end());
        }
    }
}

}  // namespace
