// The printed page as Qt's PDF output writes it (orvane-cli --print-pdf), read back with
// poppler's pdftotext -bbox, pdfinfo and pdffonts: the items land at their twip positions (a
// point is 20 twips) in a font with Courier's widths, on one letter page.

#include <array>
#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Word {
    double x_min, y_min, x_max, y_max;
    std::string text;
};

std::string Shell(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    std::array<char, 4096> buf{};
    while (std::size_t n = fread(buf.data(), 1, buf.size(), pipe))
        out.append(buf.data(), n);
    pclose(pipe);
    return out;
}

bool HavePoppler() {
    return Shell("for t in pdftotext pdfinfo pdffonts; do command -v $t; done | wc -l") == "3\n";
}

class PdfPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!HavePoppler()) GTEST_SKIP() << "poppler-utils (pdftotext, pdfinfo, pdffonts) missing";
        pdf_ = fs::temp_directory_path() / ("orvane-page-" + std::to_string(getpid()) + ".pdf");
    }
    void TearDown() override { fs::remove(pdf_); }

    // Prints the schedule of `actions` into the PDF and reads its words.
    void Print(const std::string& actions) {
        const std::string out = Shell(std::string("'") + ORVANE_CLI + "' --today 2024-06-15 " +
                                      actions + " --calculate --print-pdf '" + pdf_.string() + "'");
        ASSERT_EQ(out.find("message:"), std::string::npos) << out;
        ASSERT_TRUE(fs::exists(pdf_)) << out;
        static const std::regex word(
            R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
        const std::string xml = Shell("pdftotext -bbox '" + pdf_.string() + "' -");
        for (std::sregex_iterator i(xml.begin(), xml.end(), word), end; i != end; ++i) {
            words_.push_back({std::stod((*i)[1]), std::stod((*i)[2]), std::stod((*i)[3]),
                              std::stod((*i)[4]), (*i)[5]});
        }
    }
    // The first word with this text.
    Word Find(const std::string& text) const {
        for (const Word& w : words_) {
            if (w.text == text) return w;
        }
        ADD_FAILURE() << "no word " << text;
        return {};
    }
    std::string Info(const std::string& tool) const {
        return Shell(tool + " '" + pdf_.string() + "'");
    }

    fs::path pdf_;
    std::vector<Word> words_;
};

constexpr double kPoint = 20;   // twips
constexpr double kChar8 = 4.8;  // points a character at 8 point, Courier's 0.6 em

TEST_F(PdfPageTest, ItemsLandAtTheirTwipPositionsInCourierWidths) {
    Print("--cost 10000 --method MACRS --life 5 --in-service 012004 --description 'Delivery van'");
    EXPECT_NE(Info("pdfinfo").find("Pages:           1\n"), std::string::npos);
    EXPECT_NE(Info("pdfinfo").find("612 x 792 pts (letter)"), std::string::npos);
    const std::string fonts = Info("pdffonts");
    EXPECT_TRUE(fonts.find("LiberationMono") != std::string::npos ||
                fonts.find("Courier") != std::string::npos)
        << fonts;

    const std::map<std::string, double> left = {
        {"06/15/2024", 10000},
        {"Depreciation", 4237.5},
        {"Regular", 4817.5},
        {"Delivery", 5022},
        {"Net", 930},
        {"Method:", 3830},
        {"Convention:", 7730},
        {"In", 930},
        {"Life:", 3830},
        {"Business", 7730},
        {"YEAR", 3530},
        {"2004", 3530},
        {"2,000.00", 4690 + 4 * kChar8 * kPoint},  // 13 characters, right-aligned
        {"8,000.00", 7170 + 4 * kChar8 * kPoint},
    };
    for (const auto& [text, twips] : left)
        EXPECT_NEAR(Find(text).x_min, twips / kPoint, 0.01) << text;
    EXPECT_NEAR(Find("06/15/2024").y_min, 500 / kPoint, 0.01);
    EXPECT_NEAR(Find("Depreciation").y_min, 1300 / kPoint, 0.01);

    // Courier's widths: 0.6 of the size a character.
    EXPECT_NEAR(Find("2004").x_max - Find("2004").x_min, 4 * kChar8, 0.02);
    EXPECT_NEAR(Find("06/15/2024").x_max - Find("06/15/2024").x_min, 10 * 6.0, 0.02);

    // One 8-point line from each table line to the next, as between the header lines; the first
    // year three lines below the heading (the rule, then an empty line).
    const double line = Find("In").y_min - Find("Net").y_min;
    EXPECT_GT(line, 8.0);
    EXPECT_LT(line, 11.0);
    EXPECT_NEAR(Find("2005").y_min - Find("2004").y_min, line, 0.01);
    EXPECT_NEAR(Find("2009").y_min - Find("2004").y_min, 5 * line, 0.01);
    EXPECT_NEAR(Find("2004").y_min - Find("YEAR").y_min, 3 * line, 0.01);
}

// Real property: its class where the life would stand, Mid Month, and forty years in order on
// the one page, the last group's first year after the third group's last line.
TEST_F(PdfPageTest, FortyYearsFitTheOnePageInOrder) {
    Print("--cost 100000 --method MACRS --class 'Buildings post 5/12/93 (39)' --in-service 012004");
    EXPECT_NE(Info("pdfinfo").find("Pages:           1\n"), std::string::npos);
    std::vector<std::string> years, expected;
    for (const Word& w : words_) {
        if (std::regex_match(w.text, std::regex("20[0-9][0-9]"))) years.push_back(w.text);
    }
    for (int y = 2004; y <= 2043; ++y)
        expected.push_back(std::to_string(y));
    EXPECT_EQ(years, expected);
    EXPECT_GT(Find("2037").y_min, Find("2036").y_min);
    EXPECT_EQ(Find("2037").x_min, Find("2004").x_min);
    EXPECT_LT(Find("2043").y_max, 792.0);
    EXPECT_NEAR(Find("Class:").x_min, 3830 / kPoint, 0.01);
    EXPECT_NEAR(Find("Mid").x_min, Find("Convention:").x_max + kChar8, 0.05);
    for (const Word& w : words_)
        EXPECT_NE(w.text, "Life:");
}

}  // namespace
