// Odd entries never break the window: random texts typed and pasted into every field, with
// random choices, end in a status message, a message box or a schedule, never in a crash or an
// escaped fault; and every schedule shown keeps its books: the years run on without gaps, no
// cell reads inf or nan, and where no vehicle limit or sale applies, the depreciation shown so
// far plus the basis left is the depreciable basis to the cent.

#include <random>

#include "app/model/classes.h"
#include "base/numtext.h"
#include "tests/app/model/window_fixture.h"

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

    struct Row {
        int year_number;  // 1 for the year placed in service
        std::string year, depreciation, left;
    };
    // The rows that show a year, in year order.
    std::vector<Row> Rows() {
        std::vector<Row> rows;
        for (int g = 0; g < 4; ++g) {
            for (int r = 1; r < ScheduleGrid::kRows; ++r) {
                int col = 1 + 3 * g;
                if (!Cell(r, col).empty())
                    rows.push_back({11 * g + r, Cell(r, col), Cell(r, col + 1), Cell(r, col + 2)});
            }
        }
        return rows;
    }
    // The basis the grid depreciates, or nothing when a vehicle limit, a sale, an exchange or
    // a fault is involved: the cost at the business-use share, less the special allowance.
    std::optional<double> PlainDepreciableBasis() {
        const Control& cls = c(MainCtl::cboClass);
        bool vehicle = cls.list_index >= 0 && VehicleOf(cls.text) != Vehicle::None;
        if (vehicle || c(MainCtl::mskSold).text != kBlankMonth || !platform.boxes.shown.empty() ||
            !c(MainCtl::lblAdjCost).caption.empty()) {
            return std::nullopt;
        }
        auto cost = TryCDbl(c(MainCtl::txtCost).text);
        if (!cost || *cost <= 0) return std::nullopt;
        const std::string& business = c(MainCtl::txtBusinessPercent).text;
        double share = 1;
        if (!business.empty()) share = Val(business) > 1 ? Val(business) / 100 : Val(business);
        return *cost * share - Val(c(MainCtl::lblAllowance).caption);
    }
    void CheckTheBooks(int round) {
        SCOPED_TRACE("round " + std::to_string(round) + " cost '" + c(MainCtl::txtCost).text +
                     "' method '" + c(MainCtl::cboMethod).text + "' life '" +
                     c(MainCtl::cboLife).text + "' class '" + c(MainCtl::cboClass).text +
                     "' business '" + c(MainCtl::txtBusinessPercent).text + "' in service '" +
                     c(MainCtl::txtInService).text + "' allowance '" +
                     c(MainCtl::lblAllowance).caption + "'");
        for (int r = 1; r < ScheduleGrid::kRows; ++r) {
            for (int col = 1; col < ScheduleGrid::kCols; ++col) {
                EXPECT_EQ(Cell(r, col).find_first_of("iInN"), std::string::npos) << Cell(r, col);
            }
        }
        std::vector<Row> rows = Rows();
        if (rows.empty() || !platform.boxes.shown.empty()) return;
        int first_year = CInt(Val(rows[0].year));
        // The basis before each year: the depreciable basis, then what the year before left.
        std::optional<double> before = PlainDepreciableBasis();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const Row& row = rows[i];
            ASSERT_EQ(row.year_number, static_cast<int>(i) + 1) << "a year without a row";
            EXPECT_EQ(row.year, std::to_string(first_year + static_cast<int>(i)));
            auto depreciation = TryCDbl(row.depreciation);
            auto left = TryCDbl(row.left);
            ASSERT_TRUE(depreciation && left) << row.depreciation << " / " << row.left;
            if (!before) continue;
            if (*left > 0) {
                // A year's amount at an exact half cent shows rounded up but counts rounded to
                // even: one cent apart at most.
                EXPECT_NEAR(*depreciation + *left, *before, 0.0101) << "year " << row.year;
            } else {
                // A basis left under 1.00 shows as .00.
                EXPECT_LT(*before - *depreciation, 1.0101) << "year " << row.year;
            }
            before = *left;
        }
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
    int checked = 0;
    for (int round = 0; round < 20000; ++round) {
        if (round % 7 == 0) window.Click(MainCtl::cmdClear);
        RandomChoice(rng, MainCtl::cboMethod);
        if (rng() % 2) RandomChoice(rng, MainCtl::cboClass);
        if (rng() % 2) RandomChoice(rng, MainCtl::cboLife);
        for (int k = 0; k < 4; ++k) {
            window.Click(clicks[rng() % std::size(clicks)]);
            MainCtl field = fields[rng() % std::size(fields)];
            if (window.Focus(field) == Outcome::NotPossible) continue;
            std::string text = RandomText(rng);
            if (rng() % 3 == 0) {
                window.Paste(text);
            } else {
                window.TypeText(text);
            }
        }
        platform.boxes.shown.clear();
        ASSERT_NO_THROW(window.Click(MainCtl::cmdCalculate));
        bool rows = !Cell(1, 1).empty() || !Cell(1, 4).empty();
        bool message = !Status().empty() || !platform.boxes.shown.empty();
        bool quiet_method = c(MainCtl::cboMethod).text == "Straight Line" ||
                            c(MainCtl::cboMethod).text == "Amortize";
        EXPECT_TRUE(rows || message || quiet_method)
            << "round " << round << " cost '" << c(MainCtl::txtCost).text << "' life '"
            << c(MainCtl::cboLife).text << "' in service '" << c(MainCtl::txtInService).text << "'";
        EXPECT_LE(c(MainCtl::txtCost).text.size(), 10u);
        EXPECT_LE(c(MainCtl::txtBusinessPercent).text.size(), 4u);
        EXPECT_EQ(c(MainCtl::txtInService).text.size(), 7u);
        CheckTheBooks(round);
        if (rows && PlainDepreciableBasis()) ++checked;
        if (HasFailure()) break;
    }
    // The books were checked on a good share of the rounds, not on a handful.
    EXPECT_GT(checked, 500);
}

}  // namespace
}  // namespace orvane::testing
