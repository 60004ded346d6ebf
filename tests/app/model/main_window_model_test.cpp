// The main window's selection logic, field behaviour, validation and Calculate, driven through
// the model as a person would use the window.

#include "app/model/main_window_model.h"

#include <algorithm>

#include "tests/app/model/window_fixture.h"

namespace orvane::testing {
namespace {

using LoadTest = WindowTest;

TEST_F(LoadTest, OpensWithTheInitialStates) {
    EXPECT_EQ(c(MainCtl::cboMethod).items.size(), 4u);
    EXPECT_EQ(c(MainCtl::cboMethod).list_index, -1);
    EXPECT_TRUE(c(MainCtl::cboLife).items.empty());
    EXPECT_FALSE(f().Usable(MainCtl::cboClass));
    EXPECT_EQ(c(MainCtl::cboClass).back, kEntryGrey);
    EXPECT_FALSE(f().Usable(MainCtl::optConvention0));
    EXPECT_EQ(c(MainCtl::optConvention0).value, 1);
    EXPECT_FALSE(f().Usable(MainCtl::optConvention2));
    for (MainCtl id : {MainCtl::chkBonus, MainCtl::chkBonus50, MainCtl::chkBonus100,
                       MainCtl::txtBusinessPercent, MainCtl::cmdPrint, MainCtl::cmdExport,
                       MainCtl::txtSalesPrice, MainCtl::txtAdjTaxBasis, MainCtl::mskSold})
        EXPECT_FALSE(f().Usable(id)) << Design(id).name;
    EXPECT_EQ(c(MainCtl::optAssetType0).value, 1);
    EXPECT_EQ(c(MainCtl::txtInService).text, "06/2024");
    EXPECT_EQ(c(MainCtl::mskSold).text, "__/____");
    EXPECT_EQ(Cell(0, 2), "  Depreciation  ");
    EXPECT_EQ(f().grid.ColWidth(0), 0);
    EXPECT_EQ(f().grid.ColWidth(12), 1280);
}

using SelectionTest = WindowTest;

TEST_F(SelectionTest, StraightLineAfterMacrsClosesTheTableChoices) {
    Choose(MainCtl::cboMethod, "MACRS");
    Choose(MainCtl::cboLife, "5");
    ASSERT_EQ(window.Click(MainCtl::chkBonus), Outcome::Done);
    Enter(MainCtl::txtCost, "1000");
    EXPECT_EQ(c(MainCtl::lblAllowance).caption, "300");
    Choose(MainCtl::cboMethod, "Straight Line");
    EXPECT_TRUE(c(MainCtl::cboLife).items.empty());
    EXPECT_EQ(c(MainCtl::cboClass).list_index, -1);
    EXPECT_FALSE(f().Usable(MainCtl::cboClass));
    EXPECT_FALSE(f().Usable(MainCtl::optConvention1));
    EXPECT_EQ(c(MainCtl::chkBonus).value, 0);
    EXPECT_FALSE(f().Usable(MainCtl::chkBonus));
    EXPECT_EQ(c(MainCtl::lblAllowance).caption, "");
}

TEST_F(SelectionTest, ListedPropertyClassOpensBusinessUse) {
    Choose(MainCtl::cboMethod, "MACRS");
    Choose(MainCtl::cboClass, "Automobiles (5)");
    EXPECT_TRUE(f().Usable(MainCtl::txtBusinessPercent));
    EXPECT_EQ(c(MainCtl::txtBusinessPercent).text, "100");
    EXPECT_TRUE(f().Usable(MainCtl::chkBonus100));
    EXPECT_EQ(c(MainCtl::optConvention0).value, 1);
    EXPECT_FALSE(f().Usable(MainCtl::optConvention2));
    // A 5-year class that is not listed property empties the field and leaves it as it was.
    Choose(MainCtl::cboClass, "Buses (5)");
    EXPECT_EQ(c(MainCtl::txtBusinessPercent).text, "");
    EXPECT_TRUE(f().Usable(MainCtl::txtBusinessPercent));
    Choose(MainCtl::cboClass, "Desks (7)");
    EXPECT_FALSE(f().Usable(MainCtl::txtBusinessPercent));
    Choose(MainCtl::cboClass, "Truck/Van (5)");
    EXPECT_FALSE(f().Usable(MainCtl::txtBusinessPercent));
}

TEST_F(SelectionTest, RealPropertyLocksMidMonth) {
    Choose(MainCtl::cboMethod, "MACRS");
    Choose(MainCtl::cboLife, "5");
    ASSERT_EQ(window.Click(MainCtl::chkBonus50), Outcome::Done);
    Choose(MainCtl::cboLife, "27.5");
    EXPECT_EQ(c(MainCtl::optConvention2).value, 1);
    EXPECT_TRUE(f().Usable(MainCtl::optConvention2));
    EXPECT_FALSE(f().Usable(MainCtl::optConvention0));
    EXPECT_FALSE(f().Usable(MainCtl::optConvention1));
    EXPECT_EQ(c(MainCtl::chkBonus50).value, 0);
    EXPECT_FALSE(f().Usable(MainCtl::chkBonus50));
    // A class below 28 years unlocks it again.
    Choose(MainCtl::cboClass, "Mobile Homes (27.5)");
    EXPECT_EQ(c(MainCtl::cboClass).item_data[c(MainCtl::cboClass).list_index], 28);
    EXPECT_EQ(c(MainCtl::optConvention2).value, 1);
    Choose(MainCtl::cboClass, "Desks (7)");
    EXPECT_EQ(c(MainCtl::optConvention0).value, 1);
    EXPECT_FALSE(f().Usable(MainCtl::optConvention2));
}

TEST_F(SelectionTest, AllowancesFollowLifeAndMethod) {
    Choose(MainCtl::cboMethod, "MACRS");
    Choose(MainCtl::cboLife, "20");
    EXPECT_TRUE(f().Usable(MainCtl::chkBonus));
    Choose(MainCtl::cboMethod, "ADS");
    Choose(MainCtl::cboLife, "20");
    EXPECT_FALSE(f().Usable(MainCtl::chkBonus));
    Choose(MainCtl::cboClass, "Copier (6)");
    EXPECT_TRUE(f().Usable(MainCtl::chkBonus));
    Choose(MainCtl::cboClass, "Real Property, no life (40)");
    EXPECT_FALSE(f().Usable(MainCtl::chkBonus));
    EXPECT_EQ(c(MainCtl::optConvention2).value, 1);
    Choose(MainCtl::cboClass, "Land Improvements (20)");
    EXPECT_TRUE(f().Usable(MainCtl::chkBonus));
}

TEST_F(SelectionTest, TypingFiveIntoLifeMovesToBusinessUse) {
    Choose(MainCtl::cboMethod, "MACRS");
    Choose(MainCtl::cboClass, "Desks (7)");
    ASSERT_EQ(window.Focus(MainCtl::cboLife), Outcome::Done);
    window.TypeText("5");
    EXPECT_EQ(c(MainCtl::cboClass).list_index, -1);
    EXPECT_EQ(c(MainCtl::txtBusinessPercent).text, "100");
    EXPECT_EQ(f().focus(), MainCtl::txtBusinessPercent);
    EXPECT_EQ(c(MainCtl::txtBusinessPercent).sel_length, 3);  // selected on the way in
    ASSERT_EQ(window.Focus(MainCtl::cboLife), Outcome::Done);
    window.KeyDown(key::kHome);
    window.TypeText("1");
    EXPECT_EQ(c(MainCtl::cboLife).text, "15");
    EXPECT_FALSE(f().Usable(MainCtl::txtBusinessPercent));
    EXPECT_EQ(f().focus(), MainCtl::cboLife);
}

TEST_F(SelectionTest, ClassListsLoadOnceAndWidenTheirDropDown) {
    Choose(MainCtl::cboMethod, "MACRS");
    Choose(MainCtl::cboMethod, "ADS");
    Choose(MainCtl::cboMethod, "MACRS");
    EXPECT_EQ(c(MainCtl::cboClass).items.size(), 28u);
    EXPECT_EQ(c(MainCtl::cboClass).item_data[3], 32);  // "Buildings pre 5/13/93 (31.5)"
    // 28 characters of 90 twips, less 320, plus a scroll bar of 17 + 8 pixels of 15 twips.
    EXPECT_EQ(c(MainCtl::cboClass).dropped_width, (28 * 90 - 320 + 25 * 15) / 15);
    // Short texts in a box already wide enough leave the drop-down as it is.
    c(MainCtl::cboClass).dropped_width = 0;
    f().ClearList(MainCtl::cboClass);
    f().AddItem(MainCtl::cboClass, "Desks (7)", 7);
    window.depr().FitDropDownWidth(MainCtl::cboClass);
    EXPECT_EQ(c(MainCtl::cboClass).dropped_width, 0);
}

TEST_F(SelectionTest, OpeningTheClassListEmptiesTheLife) {
    Choose(MainCtl::cboMethod, "ADS");
    Choose(MainCtl::cboLife, "9");
    c(MainCtl::stbMain).caption = std::string("x");  // not "x": a false -Wrestrict of GCC 12 -O3
    ASSERT_EQ(window.OpenList(MainCtl::cboClass), Outcome::Done);
    EXPECT_EQ(c(MainCtl::cboLife).text, "");
    EXPECT_EQ(Status(), "");
}

TEST_F(SelectionTest, ReplacementAssetTakesTheLastBasisLeft) {
    ASSERT_EQ(window.Click(MainCtl::optAssetType2), Outcome::Done);
    EXPECT_EQ(c(MainCtl::txtAdjTaxBasis).text, "");
    EXPECT_TRUE(f().Usable(MainCtl::txtSalesPrice));
    ASSERT_EQ(window.Click(MainCtl::optAssetType1), Outcome::Done);
    EXPECT_FALSE(f().Usable(MainCtl::txtSalesPrice));
    EXPECT_TRUE(f().Usable(MainCtl::mskSold));
    // A relinquished asset sold in its third year.
    Choose(MainCtl::cboMethod, "MACRS");
    Choose(MainCtl::cboLife, "7");
    Enter(MainCtl::txtCost, "10000");
    InService("012004");
    ASSERT_EQ(window.Focus(MainCtl::mskSold), Outcome::Done);
    window.TypeText("062006");
    Calculate();
    ASSERT_EQ(Amounts().size(), 3u);
    EXPECT_EQ(Amounts()[2], "874.50 ");  // half of 17.49%
    EXPECT_DOUBLE_EQ(state().last_adj_tax_basis, 10000 - 1429 - 2449 - 874.5);
    ASSERT_EQ(window.Click(MainCtl::optAssetType2), Outcome::Done);
    EXPECT_EQ(c(MainCtl::txtAdjTaxBasis).text, "5247.5");
    EXPECT_EQ(c(MainCtl::mskSold).text, "__/____");
    EXPECT_FALSE(f().Usable(MainCtl::mskSold));
}

TEST_F(SelectionTest, ClearKeepsTheAssetType) {
    ASSERT_EQ(window.Click(MainCtl::optAssetType1), Outcome::Done);
    Choose(MainCtl::cboMethod, "MACRS");
    Choose(MainCtl::cboLife, "27.5");
    Enter(MainCtl::txtCost, "5000");
    ASSERT_EQ(window.Focus(MainCtl::mskSold), Outcome::Done);
    window.TypeText("012010");
    Calculate();
    EXPECT_TRUE(f().Usable(MainCtl::cmdPrint));
    ASSERT_EQ(window.Click(MainCtl::cmdClear), Outcome::Done);
    EXPECT_EQ(c(MainCtl::optAssetType1).value, 1);
    EXPECT_TRUE(f().Usable(MainCtl::mskSold));
    EXPECT_EQ(c(MainCtl::mskSold).text, "__/____");
    EXPECT_EQ(c(MainCtl::txtCost).text, "");
    EXPECT_EQ(c(MainCtl::cboMethod).list_index, -1);
    EXPECT_EQ(c(MainCtl::optConvention2).value, 0);
    EXPECT_FALSE(f().Usable(MainCtl::optConvention2));
    EXPECT_FALSE(f().Usable(MainCtl::cmdPrint));
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_EQ(Cell(0, 1), " Year ");
    EXPECT_EQ(f().focus(), MainCtl::txtCost);
}

using FieldTest = WindowTest;

TEST_F(FieldTest, LengthLimits) {
    ASSERT_EQ(window.Focus(MainCtl::txtCost), Outcome::Done);
    window.TypeText("12345678901");
    EXPECT_EQ(c(MainCtl::txtCost).text, "1234567890");
    Choose(MainCtl::cboMethod, "MACRS");
    Choose(MainCtl::cboLife, "5");
    window.TypeText("12345");
    EXPECT_EQ(c(MainCtl::txtBusinessPercent).text, "1234");
}

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

TEST_F(FieldTest, DescriptionKeepsWhatIsTypedInWholeCharacters) {
    ASSERT_EQ(window.Focus(MainCtl::txtDescription), Outcome::Done);
    const std::string typed = std::string("Caf\xC3\xA9 \xE2\x82\xAC") + "5";
    window.TypeText(typed);
    EXPECT_EQ(c(MainCtl::txtDescription).text, typed);
    EXPECT_EQ(c(MainCtl::txtDescription).sel_start, 7);
    EXPECT_EQ(platform.beeper.beeps, 0);
    // Up to the limit of 100 characters a paste is cut before a character, never inside one.
    window.Select(MainCtl::txtDescription, 0, 7);
    window.Paste(std::string(98, 'x') + "\xC3\xA9\xC3\xA9\xC3\xA9");
    EXPECT_EQ(c(MainCtl::txtDescription).text, std::string(98, 'x') + "\xC3\xA9\xC3\xA9");
    // The cost refuses the same letter with a beep.
    ASSERT_EQ(window.Focus(MainCtl::txtCost), Outcome::Done);
    window.TypeText("1\xC3\xA9");
    EXPECT_EQ(c(MainCtl::txtCost).text, "1");
    EXPECT_EQ(platform.beeper.beeps, 1);
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

// ------------------------------------------------------------------ Calculate
// (the faults of a press are golden command-line cases)

using CalculateTest = WindowTest;

TEST_F(CalculateTest, SamePressSameGridAndFailedPressKeepsPrint) {
    Choose(MainCtl::cboMethod, "MACRS");
    Choose(MainCtl::cboLife, "5");
    Enter(MainCtl::txtCost, "10000");
    InService("012004");
    Calculate();
    auto first = Amounts();
    Calculate();
    EXPECT_EQ(Amounts(), first);
    EXPECT_EQ(Status(), "Method: MACRS 200% DB");
    EXPECT_EQ(c(MainCtl::stbMain).fore, kBlue);
    // (a failed press after it, which keeps Print, is a golden command-line case)
}

TEST_F(CalculateTest, VehicleClassWithoutLimitFilesSaysSo) {
    Choose(MainCtl::cboMethod, "ADS");
    Choose(MainCtl::cboClass, "Automobiles (5)");
    Enter(MainCtl::txtCost, "30000");
    InService("012004");
    Calculate();
    EXPECT_EQ(Status(), status::kVehicleLimitsUnavailable);
    EXPECT_TRUE(Amounts().empty());
}

}  // namespace
}  // namespace orvane::testing
