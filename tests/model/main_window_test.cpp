// The main window's selection logic, field behaviour, validation and Calculate, driven through
// the model as a person would use the window.

#include "app/model/main_window.h"

#include "tests/model/window_fixture.h"

namespace orvane::testing {
namespace {

using LoadTest = WindowTest;

TEST_F(LoadTest, OpensWithTheInitialStates) {
    EXPECT_EQ(c(Ctl::cboMethod).items.size(), 4u);
    EXPECT_EQ(c(Ctl::cboMethod).list_index, -1);
    EXPECT_TRUE(c(Ctl::cboLife).items.empty());
    EXPECT_FALSE(f().Usable(Ctl::cboClass));
    EXPECT_EQ(c(Ctl::cboClass).back, kEntryGrey);
    EXPECT_FALSE(f().Usable(Ctl::optConvention0));
    EXPECT_EQ(c(Ctl::optConvention0).value, 1);
    EXPECT_FALSE(f().Usable(Ctl::optConvention2));
    for (Ctl id :
         {Ctl::chkBonus, Ctl::chkBonus50, Ctl::chkBonus100, Ctl::txtBusinessPercent, Ctl::cmdPrint,
          Ctl::cmdExport, Ctl::txtSalesPrice, Ctl::txtAdjTaxBasis, Ctl::mskSold}) {
        EXPECT_FALSE(f().Usable(id)) << Design(id).name;
    }
    EXPECT_EQ(c(Ctl::optAssetType0).value, 1);
    EXPECT_EQ(c(Ctl::txtInService).text, "06/2024");
    EXPECT_EQ(c(Ctl::mskSold).text, "__/____");
    EXPECT_EQ(Cell(0, 2), "  Depreciation  ");
    EXPECT_EQ(f().grid.ColWidth(0), 0);
    EXPECT_EQ(f().grid.ColWidth(12), 1280);
}

using SelectionTest = WindowTest;

TEST_F(SelectionTest, StraightLineAfterMacrsClosesTheTableChoices) {
    Choose(Ctl::cboMethod, "MACRS");
    Choose(Ctl::cboLife, "5");
    ASSERT_TRUE(window.Click(Ctl::chkBonus));
    Enter(Ctl::txtCost, "1000");
    EXPECT_EQ(c(Ctl::lblAllowance).caption, "300");
    Choose(Ctl::cboMethod, "Straight Line");
    EXPECT_TRUE(c(Ctl::cboLife).items.empty());
    EXPECT_EQ(c(Ctl::cboClass).list_index, -1);
    EXPECT_FALSE(f().Usable(Ctl::cboClass));
    EXPECT_FALSE(f().Usable(Ctl::optConvention1));
    EXPECT_EQ(c(Ctl::chkBonus).value, 0);
    EXPECT_FALSE(f().Usable(Ctl::chkBonus));
    EXPECT_EQ(c(Ctl::lblAllowance).caption, "");
}

TEST_F(SelectionTest, ListedPropertyClassOpensBusinessUse) {
    Choose(Ctl::cboMethod, "MACRS");
    Choose(Ctl::cboClass, "Automobiles (5)");
    EXPECT_TRUE(f().Usable(Ctl::txtBusinessPercent));
    EXPECT_EQ(c(Ctl::txtBusinessPercent).text, "100");
    EXPECT_TRUE(f().Usable(Ctl::chkBonus100));
    EXPECT_EQ(c(Ctl::optConvention0).value, 1);
    EXPECT_FALSE(f().Usable(Ctl::optConvention2));
    // A 5-year class that is not listed property empties the field and leaves it as it was.
    Choose(Ctl::cboClass, "Buses (5)");
    EXPECT_EQ(c(Ctl::txtBusinessPercent).text, "");
    EXPECT_TRUE(f().Usable(Ctl::txtBusinessPercent));
    Choose(Ctl::cboClass, "Desks (7)");
    EXPECT_FALSE(f().Usable(Ctl::txtBusinessPercent));
    Choose(Ctl::cboClass, "Truck/Van (5)");
    EXPECT_FALSE(f().Usable(Ctl::txtBusinessPercent));
}

TEST_F(SelectionTest, RealPropertyLocksMidMonth) {
    Choose(Ctl::cboMethod, "MACRS");
    Choose(Ctl::cboLife, "5");
    ASSERT_TRUE(window.Click(Ctl::chkBonus50));
    Choose(Ctl::cboLife, "27.5");
    EXPECT_EQ(c(Ctl::optConvention2).value, 1);
    EXPECT_TRUE(f().Usable(Ctl::optConvention2));
    EXPECT_FALSE(f().Usable(Ctl::optConvention0));
    EXPECT_FALSE(f().Usable(Ctl::optConvention1));
    EXPECT_EQ(c(Ctl::chkBonus50).value, 0);
    EXPECT_FALSE(f().Usable(Ctl::chkBonus50));
    // A class below 28 years unlocks it again.
    Choose(Ctl::cboClass, "Mobile Homes (27.5)");
    EXPECT_EQ(c(Ctl::cboClass).item_data[c(Ctl::cboClass).list_index], 28);
    EXPECT_EQ(c(Ctl::optConvention2).value, 1);
    Choose(Ctl::cboClass, "Desks (7)");
    EXPECT_EQ(c(Ctl::optConvention0).value, 1);
    EXPECT_FALSE(f().Usable(Ctl::optConvention2));
}

TEST_F(SelectionTest, AllowancesFollowLifeAndMethod) {
    Choose(Ctl::cboMethod, "MACRS");
    Choose(Ctl::cboLife, "20");
    EXPECT_TRUE(f().Usable(Ctl::chkBonus));
    Choose(Ctl::cboMethod, "ADS");
    Choose(Ctl::cboLife, "20");
    EXPECT_FALSE(f().Usable(Ctl::chkBonus));
    Choose(Ctl::cboClass, "Copier (6)");
    EXPECT_TRUE(f().Usable(Ctl::chkBonus));
    Choose(Ctl::cboClass, "Real Property, no life (40)");
    EXPECT_FALSE(f().Usable(Ctl::chkBonus));
    EXPECT_EQ(c(Ctl::optConvention2).value, 1);
    Choose(Ctl::cboClass, "Land Improvements (20)");
    EXPECT_TRUE(f().Usable(Ctl::chkBonus));
}

TEST_F(SelectionTest, TypingFiveIntoLifeMovesToBusinessUse) {
    Choose(Ctl::cboMethod, "MACRS");
    Choose(Ctl::cboClass, "Desks (7)");
    ASSERT_TRUE(window.Focus(Ctl::cboLife));
    window.TypeText("5");
    EXPECT_EQ(c(Ctl::cboClass).list_index, -1);
    EXPECT_EQ(c(Ctl::txtBusinessPercent).text, "100");
    EXPECT_EQ(f().focus(), Ctl::txtBusinessPercent);
    EXPECT_EQ(c(Ctl::txtBusinessPercent).sel_length, 3);  // selected on the way in
    ASSERT_TRUE(window.Focus(Ctl::cboLife));
    window.KeyDown(key::kHome);
    window.TypeText("1");
    EXPECT_EQ(c(Ctl::cboLife).text, "15");
    EXPECT_FALSE(f().Usable(Ctl::txtBusinessPercent));
    EXPECT_EQ(f().focus(), Ctl::cboLife);
}

TEST_F(SelectionTest, ClassListsLoadOnceAndWidenTheirDropDown) {
    Choose(Ctl::cboMethod, "MACRS");
    Choose(Ctl::cboMethod, "ADS");
    Choose(Ctl::cboMethod, "MACRS");
    EXPECT_EQ(c(Ctl::cboClass).items.size(), 28u);
    EXPECT_EQ(c(Ctl::cboClass).item_data[3], 32);  // "Buildings pre 5/13/93 (31.5)"
    // 28 characters of 90 twips, less 320, plus a scroll bar of 17 + 8 pixels of 15 twips.
    EXPECT_EQ(c(Ctl::cboClass).dropped_width, (28 * 90 - 320 + 25 * 15) / 15);
    // Short texts in a box already wide enough leave the drop-down as it is.
    c(Ctl::cboClass).dropped_width = 0;
    f().ClearList(Ctl::cboClass);
    f().AddItem(Ctl::cboClass, "Desks (7)", 7);
    window.depr().FitDropDownWidth(Ctl::cboClass);
    EXPECT_EQ(c(Ctl::cboClass).dropped_width, 0);
}

TEST_F(SelectionTest, OpeningTheClassListEmptiesTheLife) {
    Choose(Ctl::cboMethod, "ADS");
    Choose(Ctl::cboLife, "9");
    c(Ctl::stbMain).caption = "x";
    ASSERT_TRUE(window.OpenList(Ctl::cboClass));
    EXPECT_EQ(c(Ctl::cboLife).text, "");
    EXPECT_EQ(Status(), "");
}

TEST_F(SelectionTest, OneAllowanceAtATime) {
    Choose(Ctl::cboMethod, "MACRS");
    Choose(Ctl::cboLife, "7");
    Enter(Ctl::txtCost, "10000");
    ASSERT_TRUE(window.Click(Ctl::chkBonus));
    EXPECT_EQ(c(Ctl::lblAllowance).caption, "3000");
    ASSERT_TRUE(window.Click(Ctl::chkBonus50));
    EXPECT_EQ(c(Ctl::chkBonus).value, 0);
    EXPECT_EQ(c(Ctl::lblAllowance).caption, "5000");
    ASSERT_TRUE(window.Click(Ctl::chkBonus50));
    EXPECT_EQ(c(Ctl::lblAllowance).caption, "");
}

TEST_F(SelectionTest, ReplacementAssetTakesTheLastBasisLeft) {
    ASSERT_TRUE(window.Click(Ctl::optAssetType2));
    EXPECT_EQ(c(Ctl::txtAdjTaxBasis).text, "");
    EXPECT_TRUE(f().Usable(Ctl::txtSalesPrice));
    ASSERT_TRUE(window.Click(Ctl::optAssetType1));
    EXPECT_FALSE(f().Usable(Ctl::txtSalesPrice));
    EXPECT_TRUE(f().Usable(Ctl::mskSold));
    // A relinquished asset sold in its third year.
    Choose(Ctl::cboMethod, "MACRS");
    Choose(Ctl::cboLife, "7");
    Enter(Ctl::txtCost, "10000");
    InService("012004");
    ASSERT_TRUE(window.Focus(Ctl::mskSold));
    window.TypeText("062006");
    Calculate();
    ASSERT_EQ(Amounts().size(), 3u);
    EXPECT_EQ(Amounts()[2], "874.50 ");  // half of 17.49%
    EXPECT_DOUBLE_EQ(state().last_adj_tax_basis, 10000 - 1429 - 2449 - 874.5);
    ASSERT_TRUE(window.Click(Ctl::optAssetType2));
    EXPECT_EQ(c(Ctl::txtAdjTaxBasis).text, "5247.5");
    EXPECT_EQ(c(Ctl::mskSold).text, "__/____");
    EXPECT_FALSE(f().Usable(Ctl::mskSold));
}

TEST_F(SelectionTest, ClearKeepsTheAssetType) {
    ASSERT_TRUE(window.Click(Ctl::optAssetType1));
    Choose(Ctl::cboMethod, "MACRS");
    Choose(Ctl::cboLife, "27.5");
    Enter(Ctl::txtCost, "5000");
    ASSERT_TRUE(window.Focus(Ctl::mskSold));
    window.TypeText("012010");
    Calculate();
    EXPECT_TRUE(f().Usable(Ctl::cmdPrint));
    ASSERT_TRUE(window.Click(Ctl::cmdClear));
    EXPECT_EQ(c(Ctl::optAssetType1).value, 1);
    EXPECT_TRUE(f().Usable(Ctl::mskSold));
    EXPECT_EQ(c(Ctl::mskSold).text, "__/____");
    EXPECT_EQ(c(Ctl::txtCost).text, "");
    EXPECT_EQ(c(Ctl::cboMethod).list_index, -1);
    EXPECT_EQ(c(Ctl::optConvention2).value, 0);
    EXPECT_FALSE(f().Usable(Ctl::optConvention2));
    EXPECT_FALSE(f().Usable(Ctl::cmdPrint));
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_EQ(Cell(0, 1), " Year ");
    EXPECT_EQ(f().focus(), Ctl::txtCost);
}

using FieldTest = WindowTest;

TEST_F(FieldTest, LengthLimits) {
    ASSERT_TRUE(window.Focus(Ctl::txtCost));
    window.TypeText("12345678901");
    EXPECT_EQ(c(Ctl::txtCost).text, "1234567890");
    Choose(Ctl::cboMethod, "MACRS");
    Choose(Ctl::cboLife, "5");
    window.TypeText("12345");
    EXPECT_EQ(c(Ctl::txtBusinessPercent).text, "1234");
}

TEST_F(FieldTest, EchoStaysAfterAdjTaxBasisButNotSalesPrice) {
    ASSERT_TRUE(window.Click(Ctl::optAssetType2));
    Enter(Ctl::txtSalesPrice, "4000");
    EXPECT_EQ(Status(), "");
    Enter(Ctl::txtAdjTaxBasis, "3000");
    EXPECT_EQ(Status(), "3,000");
}

TEST_F(FieldTest, AllowanceFollowsCostOnLeaving) {
    Choose(Ctl::cboMethod, "MACRS");
    Choose(Ctl::cboLife, "7");
    Enter(Ctl::txtCost, "1000");
    ASSERT_TRUE(window.Click(Ctl::chkBonus));
    EXPECT_EQ(c(Ctl::lblAllowance).caption, "300");
    ASSERT_TRUE(window.Focus(Ctl::txtCost));
    window.TypeText("2000");
    EXPECT_EQ(c(Ctl::lblAllowance).caption, "300");
    window.Tab();
    EXPECT_EQ(c(Ctl::lblAllowance).caption, "600");
    EXPECT_EQ(Status(), "");
}

TEST_F(FieldTest, PastedLettersReachValidation) {
    Choose(Ctl::cboMethod, "MACRS");
    Choose(Ctl::cboLife, "5");
    ASSERT_TRUE(window.Focus(Ctl::txtCost));
    window.Paste("12ab");
    EXPECT_EQ(c(Ctl::txtCost).text, "12ab");
    EXPECT_EQ(platform.beeps, 0);
    InService("012004");
    Calculate();
    ASSERT_FALSE(platform.boxes.empty());
    EXPECT_EQ(platform.boxes[0].title, "Calculation Error");
    EXPECT_EQ(platform.boxes[0].text, "Err: 13[Type mismatch]");
}

// ------------------------------------------------------------------ validation
// (every message, focus and red caption is a golden command-line case)

TEST_F(WindowTest, ExchangeFieldsGoTogether) {
    Choose(Ctl::cboMethod, "MACRS");
    Choose(Ctl::cboLife, "7");
    Enter(Ctl::txtCost, "10000");
    ASSERT_TRUE(window.Click(Ctl::optAssetType2));
    Enter(Ctl::txtSalesPrice, "100");
    Calculate();
    EXPECT_EQ(Status(), "Adj Tax Basis is required if Sales Price is populated! ");
    EXPECT_EQ(f().focus(), Ctl::txtAdjTaxBasis);
    EXPECT_EQ(c(Ctl::lblAdjTaxBasis).fore, kRed);
    ASSERT_TRUE(window.Focus(Ctl::txtSalesPrice));
    window.KeyDown(key::kDelete);
    Enter(Ctl::txtAdjTaxBasis, "100");
    Calculate();
    EXPECT_EQ(Status(), "Sales Price is required if Adj Tax Basis is populated! ");
    EXPECT_EQ(f().focus(), Ctl::txtSalesPrice);
    EXPECT_EQ(c(Ctl::lblAdjTaxBasis).fore, kBlack);  // the next pass reset it
}

// ------------------------------------------------------------------ Calculate

using CalculateTest = WindowTest;

TEST_F(CalculateTest, SamePressSameGridAndFailedPressKeepsPrint) {
    Choose(Ctl::cboMethod, "MACRS");
    Choose(Ctl::cboLife, "5");
    Enter(Ctl::txtCost, "10000");
    InService("012004");
    Calculate();
    auto first = Amounts();
    Calculate();
    EXPECT_EQ(Amounts(), first);
    EXPECT_EQ(Status(), "Method: MACRS 200% DB");
    EXPECT_EQ(c(Ctl::stbMain).fore, kBlue);
    ASSERT_TRUE(window.Focus(Ctl::txtCost));
    window.TypeText("0");
    Calculate();
    EXPECT_EQ(Status(), "Cost Missing! ");
    EXPECT_EQ(f().focus(), Ctl::txtCost);
    EXPECT_TRUE(Amounts().empty());
    EXPECT_EQ(Cell(0, 3), " Adj. Tax Basis ");
    EXPECT_TRUE(f().Usable(Ctl::cmdPrint));  // nothing but Clear disables it again
}

TEST_F(CalculateTest, BadLifeTextIsReportedThenReadAsItsLeadingNumber) {
    Choose(Ctl::cboMethod, "MACRS");
    ASSERT_TRUE(window.Focus(Ctl::cboLife));
    window.TypeText("27.5.5");
    Enter(Ctl::txtCost, "100000");
    InService("032004");
    Calculate();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].title, "Calculation Error");
    EXPECT_EQ(platform.boxes[0].text, "Err: 13[Type mismatch]");
    EXPECT_EQ(Amounts().size(), 28u);  // 27.5 years from March: year 29 has no rate
    EXPECT_EQ(Amounts()[0], "2,879.00 ");
    EXPECT_EQ(Status(), "Method: MACRS- Straight Line");
}

TEST_F(CalculateTest, LifeOfZeroDividesByZero) {
    Choose(Ctl::cboMethod, "Straight Line");
    ASSERT_TRUE(window.Focus(Ctl::cboLife));
    window.TypeText("0");
    Enter(Ctl::txtCost, "100");
    InService("012004");
    Calculate();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, "Err: 11[Division by zero]");
    EXPECT_EQ(Amounts(), std::vector<std::string>{".00 "});
}

TEST_F(CalculateTest, VehicleClassWithoutLimitFilesSaysSo) {
    Choose(Ctl::cboMethod, "ADS");
    Choose(Ctl::cboClass, "Automobiles (5)");
    Enter(Ctl::txtCost, "30000");
    InService("012004");
    Calculate();
    EXPECT_EQ(Status(), status::kVehicleLimitsUnavailable);
    EXPECT_TRUE(Amounts().empty());
}

}  // namespace
}  // namespace orvane::testing
