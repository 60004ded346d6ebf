// Odd entries never break the window: random texts typed and pasted into every field, with
// random choices, end in a status message, a message box or a schedule, never in a crash or an
// escaped fault.

#include <random>

#include "tests/model/window_fixture.h"

namespace orvane::testing {
namespace {

class RobustnessTest : public WindowTest {
  protected:
    std::string RandomText(std::mt19937& rng) {
        static constexpr std::string_view kChars = "0123456789....,-+eE a/";
        std::uniform_int_distribution<int> len(0, 8);
        std::uniform_int_distribution<std::size_t> ch(0, kChars.size() - 1);
        std::string s;
        for (int n = len(rng); n > 0; --n)
            s += kChars[ch(rng)];
        return s;
    }
    void RandomChoice(std::mt19937& rng, MainCtl list) {
        int n = static_cast<int>(c(list).items.size());
        if (n == 0) return;
        if (list == MainCtl::cboClass) window.OpenList(list);
        window.ChooseItem(list, std::uniform_int_distribution<int>(0, n - 1)(rng));
    }
};

TEST_F(RobustnessTest, RandomEntriesEndInAMessageOrASchedule) {
    std::mt19937 rng(20261206);
    const MainCtl fields[] = {
        MainCtl::txtCost,       MainCtl::cboLife,        MainCtl::txtBusinessPercent,
        MainCtl::txtSalesPrice, MainCtl::txtAdjTaxBasis, MainCtl::txtInService,
        MainCtl::mskSold,       MainCtl::txtDescription};
    const MainCtl clicks[] = {
        MainCtl::optAssetType0,  MainCtl::optAssetType1,  MainCtl::optAssetType2,
        MainCtl::chkBonus,       MainCtl::chkBonus50,     MainCtl::chkBonus100,
        MainCtl::optConvention0, MainCtl::optConvention1, MainCtl::optConvention2};
    for (int round = 0; round < 3000; ++round) {
        if (round % 7 == 0) window.Click(MainCtl::cmdClear);
        RandomChoice(rng, MainCtl::cboMethod);
        if (rng() % 2) RandomChoice(rng, MainCtl::cboClass);
        if (rng() % 2) RandomChoice(rng, MainCtl::cboLife);
        for (int k = 0; k < 4; ++k) {
            window.Click(clicks[rng() % std::size(clicks)]);
            MainCtl field = fields[rng() % std::size(fields)];
            if (!window.Focus(field)) continue;
            std::string text = RandomText(rng);
            if (rng() % 3 == 0) {
                window.Paste(text);
            } else {
                window.TypeText(text);
            }
        }
        platform.boxes.clear();
        ASSERT_NO_THROW(window.Click(MainCtl::cmdCalculate));
        bool rows = !Cell(1, 1).empty() || !Cell(1, 4).empty();
        bool message = !Status().empty() || !platform.boxes.empty();
        bool quiet_method = c(MainCtl::cboMethod).text == "Straight Line" ||
                            c(MainCtl::cboMethod).text == "Amortize";
        EXPECT_TRUE(rows || message || quiet_method)
            << "round " << round << " cost '" << c(MainCtl::txtCost).text << "' life '"
            << c(MainCtl::cboLife).text << "' in service '" << c(MainCtl::txtInService).text << "'";
        EXPECT_LE(c(MainCtl::txtCost).text.size(), 10u);
        EXPECT_LE(c(MainCtl::txtBusinessPercent).text.size(), 4u);
        EXPECT_EQ(c(MainCtl::txtInService).text.size(), 7u);
    }
}

}  // namespace
}  // namespace orvane::testing
