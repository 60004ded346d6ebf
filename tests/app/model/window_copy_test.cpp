// Copies of a loaded window, as the batch makes one for every asset; the tab order; and a text
// typed at once against the same keys typed one by one.

#include <string>
#include <vector>

#include "app/model/main_window_model.h"
#include "controls/edit_buffer.h"
#include "tests/app/model/window_fixture.h"

namespace orvane::testing {
namespace {

std::vector<std::string> Texts(const Control& list) {
    return {list.items.begin(), list.items.end()};
}

int IndexOf(const Control& list, const std::string& text) {
    for (std::size_t i = 0; i < list.items.size(); ++i) {
        if (list.items[i] == text) return static_cast<int>(i);
    }
    return -1;
}

const std::vector<std::string> kMacrsLifeTexts = {"3",  "5",    "7",    "10", "15",
                                                  "20", "27.5", "31.5", "39"};

using WindowCopyTest = WindowTest;

TEST_F(WindowCopyTest, ListsChangedInACopyLeaveTheOriginalAlone) {
    Choose(MainCtl::cboMethod, "MACRS");
    const std::vector<std::string> classes = Texts(c(MainCtl::cboClass));
    ASSERT_EQ(classes.size(), 28u);
    ASSERT_EQ(Texts(c(MainCtl::cboLife)), kMacrsLifeTexts);

    MainWindowModel copy(window);
    Control& copy_life = copy.controls()[MainCtl::cboLife];
    copy.controls().AddItem(MainCtl::cboLife, "41", 41);
    EXPECT_EQ(copy_life.items.size(), 10u);
    EXPECT_EQ(copy_life.item_data[9], 41);
    EXPECT_EQ(Texts(c(MainCtl::cboLife)), kMacrsLifeTexts);
    EXPECT_EQ(c(MainCtl::cboLife).item_data.size(), 9u);

    // Another method fills the copy's lists anew; the original keeps its MACRS classes.
    Control& copy_method = copy.controls()[MainCtl::cboMethod];
    ASSERT_EQ(copy.ChooseItem(MainCtl::cboMethod, IndexOf(copy_method, "Straight Line")),
              Outcome::Done);
    EXPECT_TRUE(copy_life.items.empty());
    EXPECT_EQ(Texts(c(MainCtl::cboClass)), classes);
    EXPECT_EQ(c(MainCtl::cboClass).item_data[3], 32);  // "Buildings pre 5/13/93 (31.5)"

    // Assigned from the original again, the copy shows its lists; a change to the copy then
    // still stays in the copy.
    copy = window;
    EXPECT_EQ(Texts(copy_life), kMacrsLifeTexts);
    copy.controls().ClearList(MainCtl::cboClass);
    EXPECT_TRUE(copy.controls()[MainCtl::cboClass].items.empty());
    EXPECT_EQ(Texts(c(MainCtl::cboClass)), classes);
    EXPECT_EQ(c(MainCtl::cboClass).item_data.size(), 28u);
}

TEST_F(WindowCopyTest, ACopyRunsItsHandlersOnItsOwnControls) {
    MainWindowModel copy(window);
    copy = window;
    Control& copy_method = copy.controls()[MainCtl::cboMethod];
    ASSERT_EQ(copy.ChooseItem(MainCtl::cboMethod, IndexOf(copy_method, "ADS")), Outcome::Done);
    EXPECT_EQ(copy.controls()[MainCtl::cboLife].items.size(), 8u);
    EXPECT_TRUE(copy.controls().Usable(MainCtl::cboClass));
    EXPECT_TRUE(c(MainCtl::cboLife).items.empty());
    EXPECT_FALSE(f().Usable(MainCtl::cboClass));
    EXPECT_EQ(c(MainCtl::cboMethod).text, "");
}

// The controls that Tab visits from the focus, in order, until it comes back round.
std::vector<std::string> TabWalk(MainWindowModel& w, bool backwards) {
    std::vector<std::string> names;
    const MainCtl start = w.controls().focus();
    for (int i = 0; i < kControlCount; ++i) {
        w.Tab(backwards);
        names.emplace_back(Design(w.controls().focus()).name);
        if (w.controls().focus() == start) break;
    }
    return names;
}

TEST_F(WindowCopyTest, TabVisitsTheUsableStopsInOrder) {
    // Loaded: no method, a regular asset; of an option group only the selected button.
    const std::vector<std::string> loaded = {
        "txtCost",  "cboMethod", "txtInService", "cboLife", "txtDescription", "cmdCalculate",
        "cmdClear", "cmdTools",  "cmdHelp",      "grdDepr", "optAssetType(0)"};
    EXPECT_EQ(TabWalk(window, false), loaded);
    const std::vector<std::string> back = {
        "grdDepr", "cmdHelp",      "cmdTools",  "cmdClear", "cmdCalculate",   "txtDescription",
        "cboLife", "txtInService", "cboMethod", "txtCost",  "optAssetType(0)"};
    EXPECT_EQ(TabWalk(window, true), back);

    // A replacement asset under MACRS opens the class list, the conventions and the exchange
    // fields; the selected convention is the stop of its group.
    ASSERT_EQ(window.Click(MainCtl::optAssetType2), Outcome::Done);
    Choose(MainCtl::cboMethod, "MACRS");
    ASSERT_EQ(window.Focus(MainCtl::cboClass), Outcome::Done);
    window.Tab();
    EXPECT_EQ(f().focus(), MainCtl::optConvention0);
    window.Tab();
    EXPECT_EQ(f().focus(), MainCtl::txtDescription);
    window.Tab();
    EXPECT_EQ(f().focus(), MainCtl::txtSalesPrice);
    window.Tab(true);
    window.Tab(true);
    EXPECT_EQ(f().focus(), MainCtl::optConvention0);
}

TEST_F(WindowCopyTest, FromAControlOffTheOrderTabGoesToTheNextStopByPlace) {
    // The focus on a control that is no stop now (disabled after it took the focus): Tab goes on
    // from its place in the order.
    Choose(MainCtl::cboMethod, "MACRS");
    ASSERT_EQ(window.Focus(MainCtl::cboClass), Outcome::Done);
    Choose(MainCtl::cboMethod, "Straight Line");
    ASSERT_EQ(window.Focus(MainCtl::cboLife), Outcome::Done);
    f().set_focus_silently(MainCtl::cboClass);
    ASSERT_FALSE(f().Usable(MainCtl::cboClass));
    window.Tab();
    EXPECT_EQ(f().focus(), MainCtl::txtDescription);
    f().set_focus_silently(MainCtl::cboClass);
    window.Tab(true);
    EXPECT_EQ(f().focus(), MainCtl::cboLife);
}

// ------------------------------------------------------------------ a text against its keys

struct TypingCase {
    const char* name;
    const char* method;  // chosen first ("" for none)
    int asset_type;
    MainCtl field;
    const char* text;
};
void PrintTo(const TypingCase& t, std::ostream* os) {
    *os << t.name;
}

class TypingTest : public ::testing::TestWithParam<TypingCase> {
  protected:
    struct Window {
        fakes::Platform platform;
        MainWindowModel model{platform.services()};
    };

    static void Prepare(Window& w, const TypingCase& t) {
        w.model.Form_Load();
        auto& f = w.model.controls();
        ASSERT_EQ(w.model.Click(static_cast<MainCtl>(static_cast<int>(MainCtl::optAssetType0) +
                                                     t.asset_type)),
                  Outcome::Done);
        if (*t.method) {
            ASSERT_EQ(
                w.model.ChooseItem(MainCtl::cboMethod, IndexOf(f[MainCtl::cboMethod], t.method)),
                Outcome::Done);
        }
        ASSERT_EQ(w.model.Focus(t.field), Outcome::Done);
    }
};

TEST_P(TypingTest, ATextLeavesTheStateOfItsKeysOneByOne) {
    const TypingCase& t = GetParam();
    Window at_once, by_key;
    Prepare(at_once, t);
    Prepare(by_key, t);
    at_once.model.TypeText(t.text);
    for (char32_t ch : utf8::Decode(t.text))
        by_key.model.Type(ch);

    const auto& a = at_once.model.controls();
    const auto& b = by_key.model.controls();
    for (int i = 0; i < kControlCount; ++i) {
        const auto id = static_cast<MainCtl>(i);
        SCOPED_TRACE(Design(id).name);
        EXPECT_EQ(a[id].caption, b[id].caption);
        EXPECT_EQ(a[id].text, b[id].text);
        EXPECT_EQ(a[id].fore, b[id].fore);
        EXPECT_EQ(a[id].sel_start, b[id].sel_start);
        EXPECT_EQ(a[id].sel_length, b[id].sel_length);
        EXPECT_EQ(a[id].enabled, b[id].enabled);
        EXPECT_EQ(a[id].value, b[id].value);
        EXPECT_EQ(a[id].list_index, b[id].list_index);
    }
    EXPECT_EQ(a.focus(), b.focus());
    EXPECT_EQ(at_once.platform.beeper.beeps, by_key.platform.beeper.beeps);
    EXPECT_EQ(at_once.platform.boxes.Texts(), by_key.platform.boxes.Texts());
    for (int r = 0; r < ScheduleGrid::kRows; ++r) {
        for (int col = 0; col < ScheduleGrid::kCols; ++col)
            EXPECT_EQ(a.grid.Text(r, col), b.grid.Text(r, col)) << r << "," << col;
    }
}

TEST(TypingStatus, TheAmountShowsWhatTheLastKeyLeft) {
    fakes::Platform platform;
    MainWindowModel w(platform.services());
    w.Form_Load();
    ASSERT_EQ(w.Focus(MainCtl::txtCost), Outcome::Done);
    w.TypeText("1234567");
    EXPECT_EQ(w.controls()[MainCtl::stbMain].caption, "1,234,567");
    EXPECT_EQ(w.controls()[MainCtl::stbMain].fore, kBlue);
    w.TypeText("x");  // refused with a beep: the amount stays
    EXPECT_EQ(w.controls()[MainCtl::stbMain].caption, "1,234,567");
    EXPECT_EQ(platform.beeper.beeps, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TypingTest,
    ::testing::Values(
        TypingCase{"CostWithARefusedComma", "MACRS", 0, MainCtl::txtCost, "491,185"},
        TypingCase{"CostLeftWithTab", "", 0, MainCtl::txtCost, "2500\t"},
        TypingCase{"CostTabThenALetterInTheMethodList", "", 0, MainCtl::txtCost, "12\tm7"},
        TypingCase{"CostOverItsLimit", "", 0, MainCtl::txtCost, "123456789012"},
        TypingCase{"CostThenEnterCalculates", "Straight Line", 0, MainCtl::txtCost, "900\r"},
        TypingCase{"SalesPrice", "", 2, MainCtl::txtSalesPrice, "25.5x00"},
        TypingCase{"AdjTaxBasisThenTab", "", 2, MainCtl::txtAdjTaxBasis, "7,000\t3"},
        TypingCase{"LifeOfFiveOpensBusinessUse", "MACRS", 0, MainCtl::cboLife, "5"},
        TypingCase{"LifeThenBusinessUse", "ADS", 0, MainCtl::cboLife, "5\t80"},
        TypingCase{"InService", "", 0, MainCtl::txtInService, "112008"},
        TypingCase{"Description", "", 0, MainCtl::txtDescription, "Truck \xC3\xA9t\xC3\xA9"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvane::testing
