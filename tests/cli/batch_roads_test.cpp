// orvane-cli --batch computes a line that needs no window straight through the engine's
// schedule, any other on a window, and on several threads when asked: every way gives the same
// bytes. Random lines (plain, odd and bad) and the command lines of the golden cases go through
// the window for every line, through the direct road where it applies, and on two threads.

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "cli/commands.h"
#include "cli/split_words.h"

namespace {

namespace fs = std::filesystem;
using orvane::cli::BatchTuning;

struct Result {
    std::string out;
    std::string err;
    int code = 0;
};

Result RunBatch(const fs::path& file, const BatchTuning& tuning, const std::string& jobs) {
    Result r;
    std::ostringstream out, err;
    r.code = orvane::cli::Run({"--today", "2024-06-15", "--limits-dir", ORVANE_LIMITS_DIR, "--jobs",
                               jobs, "--batch", file.string()},
                              out, err, tuning);
    r.out = out.str();
    r.err = err.str();
    return r;
}

class BatchFile {
  public:
    explicit BatchFile(const std::vector<std::string>& lines)
        : path_(fs::temp_directory_path() /
                ("orvane-roads-" + std::to_string(getpid()) + "-" + std::to_string(++count_))) {
        std::ofstream out(path_);
        for (const auto& line : lines)
            out << line << '\n';
    }
    ~BatchFile() { fs::remove(path_); }
    const fs::path& path() const { return path_; }

  private:
    static inline int count_ = 0;
    fs::path path_;
};

// Random lines: most of them an asset typed the usual way (the direct road's lines, some of
// them with values that fail their checks), the others the same options shuffled, with odd
// values, pastes, repeats, options that do not exist and broken quoting.
class LineMaker {
  public:
    explicit LineMaker(unsigned start) : rng_(start) {}

    std::string Line() {
        switch (Pick(10)) {
            case 0:
                return Bad();
            case 1:
            case 2:
                return Shuffled();
            default:
                return Plain();
        }
    }

  private:
    std::size_t Pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }
    bool Chance(int percent) { return static_cast<int>(Pick(100)) < percent; }
    template <std::size_t N>
    std::string One(const char* const (&values)[N]) {
        return values[Pick(N)];
    }
    static std::string Opt(const std::string& name, const std::string& value) {
        return "--" + name + " '" + value + "'";
    }

    std::vector<std::string> PlainOptions() {
        static const char* const kMethods[] = {"MACRS", "MACRS", "ADS", "Straight Line",
                                               "Amortize"};
        static const char* const kMacrsLives[] = {"3",  "5",    "7",    "10", "15",
                                                  "20", "27.5", "31.5", "39"};
        static const char* const kAdsLives[] = {"5", "6", "9", "10", "12", "18", "20", "40"};
        static const char* const kTyped[] = {"3",  "7",     "10", "27.5", "5", "50", "0", "44",
                                             "43", "1.5.5", ".",  "12.5", "6", "40", "15"};
        static const char* const kClasses[] = {"Desks (7)",
                                               "Buildings post 5/12/93 (39)",
                                               "Computers & Peripheral(5)",
                                               "Copier (5)",
                                               "Trailers (3)",
                                               "Mobile Homes (27.5)",
                                               "Buildings pre 5/13/93 (31.5)",
                                               "Land Improvements (15)",
                                               "Real Property, no life (40)",
                                               "Trucks, light (5)",
                                               "Buses (9)",
                                               "Desks (10)",
                                               "Automobiles (5)",
                                               "Truck/Van (5)"};
        static const char* const kBusiness[] = {"100", "75", "50", "51",  "1",   ".75",
                                                "5.5", "",   "0",  "101", "75.5"};
        static const char* const kMonths[] = {"012004",  "062010", "11/2003", "092001",
                                              "082001",  "052003", "042003",  "122024",
                                              "13/2004", "002004", "071995"};
        static const char* const kCosts[] = {"10000", "1000.50", "250000",    "0", "",
                                             ".",     "99999",   "12345.675", "3", "1000000"};
        static const char* const kConventions[] = {"half-year", "mid-quarter", "mid-month"};
        static const char* const kAllowances[] = {"30", "50", "100"};
        static const char* const kAmounts[] = {"4000", "3000", "", "100", "12000.5"};
        static const char* const kSold[] = {"032006", "012004", "122010", "062030", "07/2012"};

        std::vector<std::string> o;
        int type = static_cast<int>(Pick(4));  // 3: none given
        if (type < 3)
            o.push_back(Opt("asset-type", type == 0   ? "regular"
                                          : type == 1 ? "relinquished"
                                                      : "replacement"));
        std::string method = One(kMethods);
        o.push_back(Opt("method", method));
        bool lists = method == "MACRS" || method == "ADS";
        std::string life;  // chosen, typed or the class's
        switch (Pick(lists ? 4 : 2)) {
            case 0:
                life = One(kTyped);
                o.push_back(Opt("type-life", life));
                break;
            case 1:
                if (lists) {
                    life = method == "MACRS" ? One(kMacrsLives) : One(kAdsLives);
                    o.push_back(Opt("life", life));
                } else {
                    life = One(kTyped);
                    o.push_back(Opt("type-life", life));
                }
                break;
            case 2:
                life = One(kClasses);
                o.push_back(Opt("class", life));
                break;
            default:
                break;  // neither
        }
        // Mostly where the window has the control open, now and then where it has not.
        const bool five = lists && (life == "5" || life.ends_with("(5)"));
        if (Chance(five ? 60 : 3)) o.push_back(Opt("business", One(kBusiness)));
        if (Chance(lists ? 40 : 3)) o.push_back(Opt("convention", One(kConventions)));
        if (Chance(method == "MACRS" ? 25 : 3)) o.push_back(Opt("allowance", One(kAllowances)));
        if (Chance(95)) o.push_back(Opt("in-service", One(kMonths)));
        if (Chance(95)) o.push_back(Opt("cost", One(kCosts)));
        if (Chance(8)) o.push_back(Opt("allowance", One(kAllowances)));
        if (type == 2 || Chance(5)) {
            if (Chance(85)) o.push_back(Opt("sales-price", One(kAmounts)));
            if (Chance(85)) o.push_back(Opt("adj-tax-basis", One(kAmounts)));
        }
        if (type == 1 || Chance(5)) o.push_back(Opt("sold", One(kSold)));
        if (Chance(20)) o.push_back(Opt("description", Chance(80) ? "Office desk" : "tab\there"));
        if (Chance(15)) o.push_back("--calculate");
        return o;
    }

    static std::string Join(const std::vector<std::string>& words) {
        std::string line;
        for (const auto& w : words)
            line += (line.empty() ? "" : " ") + w;
        return line;
    }

    std::string Plain() { return Join(PlainOptions()); }

    std::string Shuffled() {
        static const char* const kOdd[] = {
            "--cost '1,000'",          "--cost 12a",      "--paste txtCost=5000",
            "--paste cboLife=7",       "--clear",         "--calculate",
            "--in-service 0120",       "--in-service ''", "--life 5",
            "--method Bogus",          "--type-life 7a",  "--business 12345",
            "--sold 032006",           "--allowance 30",  "--convention mid-month",
            "--asset-type replacement"};
        std::vector<std::string> o = PlainOptions();
        for (std::size_t n = Pick(3); n > 0; --n)
            o.insert(o.begin() + static_cast<std::ptrdiff_t>(Pick(o.size() + 1)), One(kOdd));
        if (Chance(50)) std::shuffle(o.begin(), o.end(), rng_);
        return Join(o);
    }

    std::string Bad() {
        static const char* const kBad[] = {"--method MACRS --bogus",
                                           "--cost 'unterminated",
                                           "--convention quarterly",
                                           "--today 2024-01-01",
                                           "--life",
                                           "plain words",
                                           ""};
        return One(kBad);
    }

    std::mt19937 rng_;
};

// Batch lines made of the golden cases' command lines: their actions, without the settings.
std::vector<std::string> GoldenLines() {
    std::vector<std::string> lines;
    for (const auto& entry : fs::directory_iterator(ORVANE_CASES)) {
        if (entry.path().extension() != ".t") continue;
        std::ifstream in(entry.path());
        std::string line;
        while (std::getline(in, line)) {
            if (!line.starts_with("$ ")) continue;
            std::string args = line.substr(2);
            if (args.find("--batch") != std::string::npos ||
                args.find("--help") != std::string::npos ||
                args.find("edit-limits") != std::string::npos ||
                args.find("--print") != std::string::npos ||
                args.find("@CASES@") != std::string::npos) {
                continue;
            }
            for (const std::string setting : {"--today 2024-06-15", "--json"}) {
                for (auto at = args.find(setting); at != std::string::npos; at = args.find(setting))
                    args.erase(at, setting.size());
            }
            lines.push_back(args);
        }
    }
    return lines;
}

void ExpectSameBytesEveryWay(const std::vector<std::string>& lines, long min_direct) {
    BatchFile file(lines);
    const Result window = RunBatch(file.path(), {.direct = false}, "1");
    std::atomic<long> direct_lines = 0;
    const Result direct =
        RunBatch(file.path(), {.direct = true, .direct_lines = &direct_lines}, "1");
    const Result threads = RunBatch(file.path(), {}, "2");

    ASSERT_FALSE(window.out.empty());
    EXPECT_EQ(std::count(window.out.begin(), window.out.end(), '\n'),
              std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
                  return l.find_first_not_of(" \t\r") != std::string::npos;
              }));
    // Compared line by line first, so that a difference names its line.
    std::istringstream a(window.out), b(direct.out);
    std::string wa, wb;
    std::size_t n = 0;
    while (std::getline(a, wa) && std::getline(b, wb)) {
        ++n;
        ASSERT_EQ(wb, wa) << "output line " << n;
    }
    EXPECT_EQ(direct.out, window.out);
    EXPECT_EQ(threads.out, window.out);
    EXPECT_EQ(direct.err, window.err);
    EXPECT_EQ(threads.err, window.err);
    EXPECT_EQ(direct.code, window.code);
    EXPECT_EQ(threads.code, window.code);
    // The direct road was taken, and not by every line.
    EXPECT_GE(direct_lines.load(), min_direct);
    EXPECT_LT(direct_lines.load(), static_cast<long>(lines.size()));
}

TEST(BatchRoadsTest, RandomLinesGiveTheSameBytesOnEveryRoad) {
    LineMaker maker(20240615);
    std::vector<std::string> lines;
    for (int i = 0; i < 6000; ++i)
        lines.push_back(maker.Line());
    // Plain lines are most of the mix, and most of them pass their checks.
    ExpectSameBytesEveryWay(lines, 1000);
}

TEST(BatchRoadsTest, GoldenCasesGiveTheSameBytesOnEveryRoad) {
    const std::vector<std::string> lines = GoldenLines();
    ASSERT_GT(lines.size(), 60u);
    ExpectSameBytesEveryWay(lines, 20);
}

}  // namespace

namespace {

struct Split {
    const char* name;
    std::string line;
    bool ok;
    std::vector<std::string> words;
};
void PrintTo(const Split& c, std::ostream* os) {
    *os << c.name;
}

class SplitWordsTest : public ::testing::TestWithParam<Split> {};

TEST_P(SplitWordsTest, SplitsAsAShellDoes) {
    // The same vector again and again, as the batch uses it: words of a longer line before
    // must not linger.
    std::vector<std::string> words = {"left", "over", "from", "a", "longer", "line", "before"};
    EXPECT_EQ(orvane::cli::SplitWords(GetParam().line, words), GetParam().ok);
    if (GetParam().ok) {
        EXPECT_EQ(words, GetParam().words);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitWordsTest,
    ::testing::Values(
        Split{"Blanks", "  --cost\t10000  ", true, {"--cost", "10000"}},
        Split{"SingleQuotes", "--method 'Straight Line'", true, {"--method", "Straight Line"}},
        Split{"QuotesInsideAWord", "--class=Desks' (7)'x", true, {"--class=Desks (7)x"}},
        Split{"EmptyQuotes", "--description ''", true, {"--description", ""}},
        Split{"DoubleQuotesAndEscapes", R"(--d "a \"b\" \$ \n")", true, {"--d", R"(a "b" $ \n)"}},
        Split{"Backslash", R"(a\ b c\)", true, {"a b", "c\\"}},
        Split{"UnterminatedSingle", "--cost 'unterminated", false, {}},
        Split{"UnterminatedDouble", "--cost \"unterminated", false, {}},
        Split{"Nothing", "   ", true, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
