// The main window's selection logic and field behaviour, driven through the model as a person
// would use the window (what the choices open and close are golden command-line cases).

#include "app/model/main_window_model.h"

#include <algorithm>

#include "tests/app/model/window_fixture.h"

namespace orvane::testing {
namespace {

using SelectionTest = WindowTest;

// (typing 5 moves to the business use: a golden command-line case)
TEST_F(SelectionTest, TypingALongerLifeThanFiveClosesBusinessUse) {
    Choose(MainCtl::cboMethod, "MACRS");
    Choose(MainCtl::cboClass, "Desks (7)");
    ASSERT_EQ(window.Focus(MainCtl::cboLife), Outcome::Done);
    window.TypeText("5");
    EXPECT_EQ(c(MainCtl::cboClass).list_index, -1);
    ASSERT_EQ(window.Focus(MainCtl::cboLife), Outcome::Done);
    window.KeyDown(key::kHome);
    window.TypeText("1");
    EXPECT_EQ(c(MainCtl::cboLife).text, "15");
    EXPECT_FALSE(f().Usable(MainCtl::txtBusinessPercent));
    EXPECT_EQ(f().focus(), MainCtl::cboLife);
}

TEST_F(SelectionTest, OpeningTheClassListEmptiesTheLife) {
    Choose(MainCtl::cboMethod, "ADS");
    Choose(MainCtl::cboLife, "9");
    c(MainCtl::stbMain).caption = std::string("x");  // not "x": a false -Wrestrict of GCC 12 -O3
    ASSERT_EQ(window.OpenList(MainCtl::cboClass), Outcome::Done);
    EXPECT_EQ(c(MainCtl::cboLife).text, "");
    EXPECT_EQ(Status(), "");
}

using FieldTest = WindowTest;

TEST_F(FieldTest, EchoStaysAfterAdjTaxBasisButNotSalesPrice) {
    ASSERT_EQ(window.Click(MainCtl::optAssetType2), Outcome::Done);
    Enter(MainCtl::txtSalesPrice, "4000");
    EXPECT_EQ(Status(), "");
    Enter(MainCtl::txtAdjTaxBasis, "3000");
    EXPECT_EQ(Status(), "3,000");
}

TEST_F(FieldTest, AllowanceFollowsCostOnLeavingOneAtATime) {
    Choose(MainCtl::cboMethod, "MACRS");
    Choose(MainCtl::cboLife, "7");
    Enter(MainCtl::txtCost, "1000");
    ASSERT_EQ(window.Click(MainCtl::chkBonus), Outcome::Done);
    EXPECT_EQ(c(MainCtl::lblAllowance).caption, "300");
    ASSERT_EQ(window.Focus(MainCtl::txtCost), Outcome::Done);
    window.TypeText("2000");
    EXPECT_EQ(c(MainCtl::lblAllowance).caption, "300");
    window.Tab();
    EXPECT_EQ(c(MainCtl::lblAllowance).caption, "600");
    EXPECT_EQ(Status(), "");
    // One allowance at a time.
    ASSERT_EQ(window.Click(MainCtl::chkBonus50), Outcome::Done);
    EXPECT_EQ(c(MainCtl::chkBonus).value, 0);
    EXPECT_EQ(c(MainCtl::lblAllowance).caption, "1000");
    ASSERT_EQ(window.Click(MainCtl::chkBonus50), Outcome::Done);
    EXPECT_EQ(c(MainCtl::lblAllowance).caption, "");
}

// The controls that Tab visits from the focus, in order, until it comes back round.
std::vector<std::string> TabWalk(MainWindowModel& w, bool backwards) {
    std::vector<std::string> names;
    const MainCtl start = w.controls().focus();
    do {
        w.Tab(backwards);
        names.emplace_back(Design(w.controls().focus()).name);
    } while (w.controls().focus() != start && names.size() < std::size_t{kControlCount});
    return names;
}

TEST_F(FieldTest, TabVisitsTheUsableStopsInOrder) {
    // Loaded: no method, a regular asset; of an option group only the selected button.
    std::vector<std::string> order = {
        "txtCost",  "cboMethod", "txtInService", "cboLife", "txtDescription", "cmdCalculate",
        "cmdClear", "cmdTools",  "cmdHelp",      "grdDepr", "optAssetType(0)"};
    EXPECT_EQ(TabWalk(window, false), order);
    std::reverse(order.begin(), order.end() - 1);
    EXPECT_EQ(TabWalk(window, true), order);

    // A replacement asset under MACRS opens the class list, the conventions and the exchange
    // fields; the selected convention is the stop of its group.
    ASSERT_EQ(window.Click(MainCtl::optAssetType2), Outcome::Done);
    Choose(MainCtl::cboMethod, "MACRS");
    ASSERT_EQ(window.Focus(MainCtl::cboClass), Outcome::Done);
    for (MainCtl next :
         {MainCtl::optConvention0, MainCtl::txtDescription, MainCtl::txtSalesPrice}) {
        window.Tab();
        EXPECT_EQ(f().focus(), next);
    }
    window.Tab(true);
    window.Tab(true);
    EXPECT_EQ(f().focus(), MainCtl::optConvention0);
}

TEST_F(FieldTest, FromAControlOffTheOrderTabGoesToTheNextStopByPlace) {
    // The focus on a control that is no stop now (disabled after it took the focus).
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

// ------------------------------------------------------------------ validation
// (every message, focus and red caption is a golden command-line case)

TEST_F(WindowTest, ExchangeFieldsGoTogether) {
    Choose(MainCtl::cboMethod, "MACRS");
    Choose(MainCtl::cboLife, "7");
    Enter(MainCtl::txtCost, "10000");
    ASSERT_EQ(window.Click(MainCtl::optAssetType2), Outcome::Done);
    Enter(MainCtl::txtSalesPrice, "100");
    Calculate();  // each message alone is a golden command-line case
    EXPECT_EQ(c(MainCtl::lblAdjTaxBasis).fore, kRed);
    ASSERT_EQ(window.Focus(MainCtl::txtSalesPrice), Outcome::Done);
    window.KeyDown(key::kDelete);
    Enter(MainCtl::txtAdjTaxBasis, "100");
    Calculate();
    EXPECT_EQ(Status(), "Sales Price is required if Adj Tax Basis is populated! ");
    EXPECT_EQ(c(MainCtl::lblAdjTaxBasis).fore, kBlack);  // the next pass reset it
}

}  // namespace
}  // namespace orvane::testing
