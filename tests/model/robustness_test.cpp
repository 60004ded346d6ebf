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
    void RandomChoice(std::mt19937& rng, Ctl list) {
        int n = static_cast<int>(c(list).items.size());
        if (n == 0) return;
        if (list == Ctl::cboClass) window.OpenList(list);
        window.ChooseItem(list, std::uniform_int_distribution<int>(0, n - 1)(rng));
    }
};

TEST_F(RobustnessTest, RandomEntriesEndInAMessageOrASchedule) {
    std::mt19937 rng(20261206);
    const Ctl fields[] = {Ctl::txtCost,       Ctl::cboLife,        Ctl::txtBusinessPercent,
                          Ctl::txtSalesPrice, Ctl::txtAdjTaxBasis, Ctl::txtInService,
                          Ctl::mskSold,       Ctl::txtDescription};
    const Ctl clicks[] = {Ctl::optAssetType0,  Ctl::optAssetType1,  Ctl::optAssetType2,
                          Ctl::chkBonus,       Ctl::chkBonus50,     Ctl::chkBonus100,
                          Ctl::optConvention0, Ctl::optConvention1, Ctl::optConvention2};
    for (int round = 0; round < 3000; ++round) {
        if (round % 7 == 0) window.Click(Ctl::cmdClear);
        RandomChoice(rng, Ctl::cboMethod);
        if (rng() % 2) RandomChoice(rng, Ctl::cboClass);
        if (rng() % 2) RandomChoice(rng, Ctl::cboLife);
        for (int k = 0; k < 4; ++k) {
            window.Click(clicks[rng() % std::size(clicks)]);
            Ctl field = fields[rng() % std::size(fields)];
            if (!window.Focus(field)) continue;
            std::string text = RandomText(rng);
            if (rng() % 3 == 0) {
                window.Paste(text);
            } else {
                window.TypeText(text);
            }
        }
        platform.boxes.clear();
        ASSERT_NO_THROW(window.Click(Ctl::cmdCalculate));
        bool rows = !Cell(1, 1).empty() || !Cell(1, 4).empty();
        bool message = !Status().empty() || !platform.boxes.empty();
        bool quiet_method =
            c(Ctl::cboMethod).text == "Straight Line" || c(Ctl::cboMethod).text == "Amortize";
        EXPECT_TRUE(rows || message || quiet_method)
            << "round " << round << " cost '" << c(Ctl::txtCost).text << "' life '"
            << c(Ctl::cboLife).text << "' in service '" << c(Ctl::txtInService).text << "'";
        EXPECT_LE(c(Ctl::txtCost).text.size(), 10u);
        EXPECT_LE(c(Ctl::txtBusinessPercent).text.size(), 4u);
        EXPECT_EQ(c(Ctl::txtInService).text.size(), 7u);
    }
}

}  // namespace
}  // namespace orvane::testing
