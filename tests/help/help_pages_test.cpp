// The help file's pages, contents and keyword index against the program: every topic of the main
// window has its page and anchor, every reference of the contents and the index leads somewhere,
// and the index holds what a user looks up: the methods, conventions, classes and messages.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "app/model/classes.h"
#include "app/model/depr.h"
#include "app/model/main_window_controls.h"
#include "help/help.h"
#include "help/sys_info.h"
#include "limits/data_file.h"
#include "limits/limit_editor_model.h"

namespace orvane {
namespace {

const std::filesystem::path kHelp = ORVANE_HELP_SOURCE;

std::string Read(const std::filesystem::path& p) {
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Unescape(std::string s) {
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [from, to] : entities) {
        for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + 1))
            s.replace(at, std::strlen(from), to);
    }
    return s;
}

std::vector<std::string> All(const std::string& text, const std::string& pattern) {
    std::vector<std::string> found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator();
         ++it)
        found.push_back(Unescape((*it)[1].str()));
    return found;
}

std::string Trim(std::string_view s) {
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    return std::string(s);
}

class HelpProject : public ::testing::Test {
  protected:
    const std::string qhp = Read(kHelp / "orvane.qhp");
    std::set<std::string> Keywords() const {
        const auto k = All(qhp, R"re(<keyword name="([^"]*)")re");
        return {k.begin(), k.end()};
    }
    // Whether `ref` ("pages/entering.html#cost") names a listed page and, with an anchor, an
    // anchor of that page.
    ::testing::AssertionResult Leads(const std::string& ref) const {
        const std::string file = ref.substr(0, ref.find('#'));
        if (qhp.find("<file>" + file + "</file>") == std::string::npos)
            return ::testing::AssertionFailure() << file << " is not among the help file's files";
        const std::string page = Read(kHelp / file);
        if (page.empty()) return ::testing::AssertionFailure() << file << " is missing or empty";
        if (const auto hash = ref.find('#'); hash != std::string::npos) {
            const std::string anchor = "name=\"" + ref.substr(hash + 1) + "\"";
            if (page.find(anchor) == std::string::npos)
                return ::testing::AssertionFailure() << file << " has no anchor " << anchor;
        }
        return ::testing::AssertionSuccess();
    }
};

TEST_F(HelpProject, EveryTopicOfTheMainWindowOpensAnExistingPlace) {
    std::set<int> topics;
    for (int i = 0; i < kControlCount; ++i) {
        const MainControlDesign& d = Design(static_cast<MainCtl>(i));
        if (d.help_topic == 0) continue;
        topics.insert(d.help_topic);
        const std::string page(TopicPage(d.help_topic));
        ASSERT_FALSE(page.empty()) << d.name << " topic " << d.help_topic;
        EXPECT_TRUE(Leads(page)) << d.name;
    }
    EXPECT_EQ(topics.size(), 15u);  // of 16 controls: Print and Export share one
    EXPECT_EQ(TopicPage(240), "pages/entering.html#cost");
    EXPECT_EQ(TopicPage(0), "");
    // No page for a number the window does not use.
    for (int number : HelpTopics())
        EXPECT_TRUE(topics.count(number)) << number;
}

TEST_F(HelpProject, EveryContentsEntryAndKeywordLeadsToAnExistingPlace) {
    const auto refs = All(qhp, R"re(ref="([^"]*)")re");
    EXPECT_GT(refs.size(), 150u);
    for (const std::string& ref : refs)
        EXPECT_TRUE(Leads(ref)) << ref;
    for (const std::string& file : All(qhp, R"re(<file>([^<]*)</file>)re"))
        EXPECT_TRUE(std::filesystem::is_regular_file(kHelp / file)) << file;
}

TEST_F(HelpProject, TheIndexHoldsEveryMethodConventionAndClass) {
    const auto keywords = Keywords();
    for (const char* term : {"MACRS", "ADS", "Straight Line", "Amortize", "Half Year",
                             "Mid Quarter", "Mid Month", "30% Allowance", "50% Allowance",
                             "100% Allowance", "Relinquished Asset", "Replacement Asset"})
        EXPECT_TRUE(keywords.count(term)) << term;
    for (const auto& table : {MacrsClasses(), AdsClasses()}) {
        for (const AssetClass& c : table)
            EXPECT_TRUE(keywords.count(std::string(c.text))) << c.text;
    }
}

TEST_F(HelpProject, TheIndexHoldsEveryMessageText) {
    const auto keywords = Keywords();
    const std::string_view messages[] = {status::kCostMissing,
                                         status::kMethodMissing,
                                         status::kInServiceMissing,
                                         status::kInServiceInvalid,
                                         status::kLifeMissing,
                                         status::kLifeOver43,
                                         status::kMacrsLife,
                                         status::kMacrsBusiness,
                                         status::kAdjTaxBasisRequired,
                                         status::kSalesPriceRequired,
                                         status::kBonus30Date,
                                         status::kBonus50Date,
                                         status::kNoLifeOrClass,
                                         status::kBusinessRequired,
                                         status::kNoVehicleLimits,
                                         status::kVehicleOver43,
                                         status::kVehicleLimitsUnavailable,
                                         caption::kMacrs200,
                                         caption::kMacrs150,
                                         caption::kMacrsStraight,
                                         caption::kAds,
                                         caption::kLuxuryAuto,
                                         limit_text::kSaveQuestion,
                                         limit_text::kNoMoreRecords,
                                         limit_text::kOnlyNumeric,
                                         limit_text::kYearRequired,
                                         limit_text::kYearFourDigits,
                                         limit_text::kEnterZero,
                                         limit_text::kAmountRequired,
                                         limit_text::kAddError,
                                         limit_text::kCloseError,
                                         limit_text::kDeleteCmdError,
                                         limit_text::kSaveError,
                                         limit_text::kNextError,
                                         limit_text::kPreviousError,
                                         limit_text::kCantOpen,
                                         limit_text::kRecordUpdated,
                                         limit_text::kRecordDeleted,
                                         limit_text::kDeleteQuestion,
                                         limit_text::kCloseFileError,
                                         limit_text::kSearchFileError,
                                         limit_text::kSaveRecordError,
                                         limit_text::kShowRecordError,
                                         limit_text::kDeleteError,
                                         kSysInfoUnavailable};
    for (std::string_view m : messages)
        EXPECT_TRUE(keywords.count(Trim(m))) << '"' << m << '"';
    EXPECT_TRUE(keywords.count(std::string(kNoHelpFirst) + std::string(kNoHelpSecond)));
    for (const char* m : {"Export was successful.", "Export failed.",
                          "Close your speadsheet and try exporting again.", "Printer Error"})
        EXPECT_TRUE(keywords.count(m)) << m;
}

}  // namespace
}  // namespace orvane
