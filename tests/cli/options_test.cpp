// A batch line read in place must mean what the full reading (shell-like word splitting, then
// the option table) makes of it; lines it cannot read that way are left to the full reading.

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/options.h"
#include "cli/split_words.h"

namespace {

using namespace orvane::cli;

struct Settings {
    int given = 0;
};
struct Actor {};
using Row = Option<Settings, Actor>;

constexpr std::string_view kSpeeds[] = {"slow", "fast"};
void NotEmpty(std::string_view option, const std::string& value) {
    if (value.empty()) BadValue(option, "a value", value);
}
void Act(Actor&, const std::string&) {}
void Set(Settings& s, const std::string&) {
    ++s.given;
}

constexpr Row kRows[] = {
    {.name = "cost", .value = "TEXT", .action = Act},
    {.name = "speed", .choices = kSpeeds, .action = Act},
    {.name = "go", .action = Act},
    {.name = "paste", .value = "TEXT", .check = NotEmpty, .action = Act},
    {.name = "today", .value = "DATE", .setting = Set},
};
constexpr std::span<const Row> kTable = kRows;

// What the full reading gives: the actions, or nothing when the line is wrong or has settings.
bool FullReading(const std::string& line, std::vector<Given>& actions) {
    std::vector<std::string> words;
    if (!SplitWords(line, words)) return false;
    Settings s;
    try {
        return ReadOptions(kTable, words, s, actions) == 0;
    } catch (const UsageError&) {
        return false;
    }
}

struct Line {
    const char* name;
    std::string text;
    bool read_in_place;
};

// The case's name, for the test's name in the test lists (rather than the bytes of the struct).
void PrintTo(const Line& line, std::ostream* os) {
    *os << line.name;
}

class PlainLineTest : public testing::TestWithParam<Line> {};

TEST_P(PlainLineTest, MeansWhatTheFullReadingMeans) {
    const Line& line = GetParam();
    std::vector<GivenView> views;
    const bool plain = ReadPlainActions(kTable, line.text, views);
    EXPECT_EQ(plain, line.read_in_place);
    if (!plain) return;
    std::vector<Given> full;
    ASSERT_TRUE(FullReading(line.text, full)) << "read in place, refused in full";
    ASSERT_EQ(views.size(), full.size());
    for (std::size_t i = 0; i < views.size(); ++i) {
        EXPECT_EQ(views[i].index, full[i].index) << i;
        EXPECT_EQ(views[i].value, full[i].value) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PlainLineTest,
    testing::Values(
        Line{"Bare", "--cost 5 --speed fast --go", true}, Line{"Quoted", "--cost '1 2' --go", true},
        Line{"EmptyQuoted", "--cost '' --go", true}, Line{"QuotedOption", "'--cost' 5", true},
        Line{"TabsAndLineEnd", "\t--cost\t5 \r", true}, Line{"NoActions", "   ", true},
        Line{"RepeatedOption", "--cost 5 --cost 6", true},
        Line{"ChoiceNotListed", "--speed quick", false}, Line{"InlineValue", "--cost=5", false},
        Line{"MissingValue", "--cost", false}, Line{"ValueLooksLikeOption", "--cost --go", false},
        Line{"QuotedValueLooksLikeOption", "--cost '--go'", false},
        Line{"Setting", "--today 2024-01-01", false}, Line{"CheckedValue", "--paste x", false},
        Line{"UnknownOption", "--costs 5", false}, Line{"ShortHelp", "-h", false},
        Line{"NotAnOption", "cost 5", false}, Line{"QuoteInsideWord", "--cost a'b c'", false},
        Line{"QuoteThenText", "--cost 'a'b", false}, Line{"DoubleQuotes", "--cost \"5\"", false},
        Line{"Backslash", "--cost 5\\ 6", false}, Line{"Unterminated", "--cost '5", false},
        Line{"EqualsInValue", "--cost a=b", false}),
    [](const testing::TestParamInfo<Line>& info) { return std::string(info.param.name); });

}  // namespace
