// Schedules through the window: MACRS tables, real property, straight line, ADS, sale years,
// exchanges, the grid's groups and the vehicle limits.

#include <cmath>
#include <map>
#include <numeric>

#include "engine/numtext.h"
#include "engine/rates.h"
#include "tests/model/window_fixture.h"

namespace orvane::testing {
namespace {

// ------------------------------------------------------------------ the tables themselves

TEST(RatesTest, EveryMacrsTableRecoversTheWholeBasis) {
    for (int q = 0; q <= 4; ++q) {
        for (int life : {3, 5, 7, 10, 15, 20}) {
            auto rates = MacrsRates(q, life);
            ASSERT_EQ(rates.size(), static_cast<size_t>(life + 1)) << q << "/" << life;
            double sum = std::accumulate(rates.begin(), rates.end(), 0.0);
            EXPECT_NEAR(sum, 1.0, 0.00011) << "quarter " << q << " life " << life;
        }
    }
    EXPECT_TRUE(MacrsRates(0, 27).empty());
    EXPECT_TRUE(MacrsRates(5, 5).empty());
}

TEST(RatesTest, EveryRealPropertyTableRecoversTheWholeBasisForEveryMonth) {
    const std::pair<RealProperty, int> tables[] = {{RealProperty::Residential275, 29},
                                                   {RealProperty::NonResidential315, 33},
                                                   {RealProperty::NonResidential39, 40}};
    for (auto [table, years] : tables) {
        for (int m = 1; m <= 12; ++m) {
            double sum = 0;
            for (int y = 1; y <= years + 1; ++y)
                sum += RealPropertyRate(table, y, m).value_or(0);
            EXPECT_NEAR(sum, 1.0, 0.0002) << static_cast<int>(table) << " month " << m;
        }
        EXPECT_FALSE(RealPropertyRate(table, 1, 13));
        EXPECT_FALSE(RealPropertyRate(table, 1, 0));
    }
    EXPECT_FALSE(RealPropertyRate(RealProperty::Residential275, 29, 6));
    EXPECT_DOUBLE_EQ(*RealPropertyRate(RealProperty::Residential275, 29, 7), 0.00152);
}

// ------------------------------------------------------------------ MACRS through the window

class ScheduleTest : public WindowTest {
  protected:
    // The life is typed, or chosen from the list when `from_list`.
    void Asset(const std::string& method, const std::string& life, const std::string& cost,
               const std::string& in_service, bool from_list = false) {
        Choose(MainCtl::cboMethod, method);
        if (from_list) {
            Choose(MainCtl::cboLife, life);
        } else if (!life.empty()) {
            ASSERT_TRUE(window.Focus(MainCtl::cboLife));
            window.TypeText(life);
        }
        Enter(MainCtl::txtCost, cost);
        InService(in_service);
    }
    void Sold(const std::string& digits) {
        ASSERT_TRUE(window.Focus(MainCtl::mskSold));
        window.TypeText(digits);
    }
    static std::string Money(double v) { return Format(v, Pattern::Amount); }
};

struct TableCase {
    int quarter;  // 0 half year
    int life;
};
class MacrsTableTest : public ScheduleTest, public ::testing::WithParamInterface<TableCase> {};

TEST_P(MacrsTableTest, EveryYearIsTheTablePercentOfTheBasis) {
    auto [quarter, life] = GetParam();
    const char* months[] = {"07", "02", "05", "08", "11"};
    Asset("MACRS", std::to_string(life), "123456.78", std::string(months[quarter]) + "2004");
    if (quarter) {
        ASSERT_TRUE(window.Click(MainCtl::optConvention1));
    }
    Calculate();
    auto rates = MacrsRates(quarter, life);
    auto amounts = Amounts();
    ASSERT_EQ(amounts.size(), rates.size());
    double running = 0;
    for (size_t y = 0; y < rates.size(); ++y) {
        double expected = 123456.78 * rates[y];
        EXPECT_EQ(amounts[y], Money(expected)) << "year " << y + 1;
        running += RoundEven(expected, 2);
    }
    double left = 123456.78 - running;
    EXPECT_NEAR(state().last_adj_tax_basis, left < 1 ? 0 : left, 1e-6);
    EXPECT_EQ(Status(), life <= 10 ? "Method: MACRS 200% DB" : "Method: MACRS 150% DB");
    EXPECT_TRUE(platform.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(AllTables, MacrsTableTest, ::testing::ValuesIn([] {
                             std::vector<TableCase> v;
                             for (int q = 0; q <= 4; ++q) {
                                 for (int life : {3, 5, 7, 10, 15, 20})
                                     v.push_back({q, life});
                             }
                             return v;
                         }()));

TEST_F(ScheduleTest, FiveYearRatesCarryTheBusinessUse) {
    Choose(MainCtl::cboMethod, "MACRS");
    Choose(MainCtl::cboLife, "5");
    Enter(MainCtl::txtBusinessPercent, "60");
    Enter(MainCtl::txtCost, "10000");
    InService("012004");
    Calculate();
    auto a = Amounts();
    ASSERT_EQ(a.size(), 6u);
    EXPECT_EQ(a[0], "1,200.00 ");
    EXPECT_EQ(a[5], "345.60 ");
    EXPECT_EQ(Cell(1, 3), "4,800.00 ");  // the grid's basis is 60% of the cost too
}

struct RealCase {
    const char* life;
    int month;
    size_t rows_shown;
    const char* first;
    const char* last;
};
class RealPropertyTest : public ScheduleTest, public ::testing::WithParamInterface<RealCase> {};

TEST_P(RealPropertyTest, MidMonthTables) {
    const RealCase& r = GetParam();
    char month[8];
    std::snprintf(month, sizeof month, "%02d2004", r.month);
    Asset("MACRS", r.life, "100000", month);
    Calculate();
    auto a = Amounts();
    ASSERT_EQ(a.size(), r.rows_shown);
    EXPECT_EQ(a.front(), r.first);
    EXPECT_EQ(a.back(), r.last);
    EXPECT_EQ(Status(), "Method: MACRS- Straight Line");
}

INSTANTIATE_TEST_SUITE_P(Tables, RealPropertyTest,
                         ::testing::Values(RealCase{"27.5", 3, 28, "2,879.00 ", "2,576.00 "},
                                           RealCase{"27.5", 6, 28, "1,970.00 ", "3,485.00 "},
                                           RealCase{"31.5", 1, 32, "3,042.00 ", "1,720.00 "},
                                           RealCase{"31.5", 12, 33, "132.00 ", "1,455.00 "},
                                           RealCase{"39", 12, 40, "107.00 ", "2,461.00 "},
                                           RealCase{"39", 1, 40, "2,461.00 ", "107.00 "}));

TEST_F(ScheduleTest, ClassLifeTwentyEightIsTwentySevenAndAHalf) {
    Asset("MACRS", "27.5", "100000", "032004");
    Calculate();
    auto typed = Amounts();
    Choose(MainCtl::cboClass, "Buildings residential 27.5)");
    Calculate();
    EXPECT_EQ(Amounts(), typed);
    EXPECT_EQ(Cell(11, 9), "");  // year 33 would be here; the schedule has 29 years
}

TEST_F(ScheduleTest, ThirtyNineYearsFillFourGroups) {
    Choose(MainCtl::cboMethod, "MACRS");
    Choose(MainCtl::cboClass, "Buildings post 5/12/93 (39)");
    Enter(MainCtl::txtCost, "100000");
    InService("012004");
    Calculate();
    EXPECT_EQ(Cell(1, 1), "2004");
    EXPECT_EQ(Cell(11, 1), "2014");
    EXPECT_EQ(Cell(1, 4), "2015");
    EXPECT_EQ(Cell(11, 7), "2036");
    EXPECT_EQ(Cell(1, 10), "2037");
    EXPECT_EQ(Cell(7, 10), "2043");
    EXPECT_EQ(Cell(8, 10), "");
    EXPECT_EQ(Cell(7, 12), ".00 ");
}

TEST_F(ScheduleTest, NoTableLifeReportsEveryYear) {
    Asset("MACRS", "39", "10000", "052004");
    ASSERT_TRUE(window.Click(MainCtl::optConvention1));  // a typed life does not lock Mid Month
    Calculate();
    ASSERT_EQ(platform.boxes.size(), 40u);
    for (const auto& box : platform.boxes) {
        EXPECT_EQ(box.title, "MACRS 2 Error");
        EXPECT_EQ(box.text, "Err: 9[Subscript out of range]");
    }
    EXPECT_EQ(Amounts(), std::vector<std::string>{".00 "});
}

TEST_F(ScheduleTest, MacrsAmountWithoutATable) {
    auto amount = window.depr().MACRSAmount(10000, 25, 1);
    EXPECT_FALSE(amount);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].title, "MACRS Error");
}

// ------------------------------------------------------------------ sale years

struct SaleCase {
    const char* convention;  // "", "mid-quarter"
    const char* life;
    const char* in_service;
    const char* sold;
    size_t rows;
    double factor;  // of the table amount in the sale year
};
class SaleYearTest : public ScheduleTest, public ::testing::WithParamInterface<SaleCase> {};

TEST_P(SaleYearTest, TheSaleYearIsCutAndEndsTheSchedule) {
    const SaleCase& s = GetParam();
    ASSERT_TRUE(window.Click(MainCtl::optAssetType1));
    Asset("MACRS", s.life, "10000", s.in_service, true);
    if (std::string(s.convention) == "mid-quarter") {
        ASSERT_TRUE(window.Click(MainCtl::optConvention1));
    }
    Calculate();
    auto full = Amounts();
    Sold(s.sold);
    Calculate();
    auto cut = Amounts();
    ASSERT_EQ(cut.size(), s.rows);
    double table = CDbl(full[s.rows - 1]);
    EXPECT_EQ(cut.back(), Format(table * s.factor, Pattern::Amount));
}

INSTANTIATE_TEST_SUITE_P(
    Conventions, SaleYearTest,
    ::testing::Values(SaleCase{"", "5", "012004", "062006", 3, 0.5},
                      SaleCase{"mid-quarter", "5", "112004", "022007", 4, 0.125},
                      SaleCase{"mid-quarter", "7", "112004", "122006", 3, 0.875},
                      SaleCase{"", "27.5", "012004", "072010", 7, 6.5 / 12},
                      SaleCase{"", "5", "012004", "012003", 6, 1.0}));

// ------------------------------------------------------------------ straight line and ADS

TEST_F(ScheduleTest, StraightLineAndAdsFollowTheirFormulasForAnyLife) {
    const double basis = 86400;
    for (int life = 1; life <= 43; ++life) {
        for (std::string method : {"Amortize", "ADS"}) {
            ASSERT_TRUE(window.Click(MainCtl::cmdClear));
            Asset(method, std::to_string(life), "86400", "052004");
            Calculate();
            auto a = Amounts();
            ASSERT_EQ(a.size(), static_cast<size_t>(life + 1)) << method << " " << life;
            double year = basis / life;
            double first = method == "ADS" ? basis * RoundEven(0.5 / life, 4) : 8.0 / 12 * year;
            double last = method == "ADS" ? first : 4.0 / 12 * year;
            EXPECT_EQ(a.front(), Money(first)) << method << " " << life;
            for (int y = 1; y < life; ++y)
                EXPECT_EQ(a[y], Money(year));
            EXPECT_EQ(a.back(), Money(last)) << method << " " << life;
        }
    }
}

TEST_F(ScheduleTest, HalfYearLivesGiveAnEmptyLastYear) {
    Asset("Straight Line", "27.5", "27500", "052004");
    Calculate();
    auto a = Amounts();
    ASSERT_EQ(a.size(), 28u);  // year 29 has no amount
    EXPECT_EQ(a[27], "1,000.00 ");
    EXPECT_EQ(a[0], Money(8.0 / 12 * 1000));
}

TEST_F(ScheduleTest, AdsBusinessUseScalesEveryYear) {
    Choose(MainCtl::cboMethod, "ADS");
    Choose(MainCtl::cboLife, "5");
    Enter(MainCtl::txtBusinessPercent, "60");
    Enter(MainCtl::txtCost, "10000");
    InService("012004");
    Calculate();
    EXPECT_EQ(Amounts(), (std::vector<std::string>{"600.00 ", "1,200.00 ", "1,200.00 ", "1,200.00 ",
                                                   "1,200.00 ", "600.00 "}));
    // "1" is 1% to the engine but 100% to the grid's basis.
    ASSERT_TRUE(window.Focus(MainCtl::txtBusinessPercent));
    window.TypeText("1");
    Calculate();
    EXPECT_EQ(Cell(1, 2), "10.00 ");
    EXPECT_EQ(Cell(1, 3), "9,990.00 ");
}

// ------------------------------------------------------------------ allowances and exchanges

TEST_F(ScheduleTest, AllowanceComesOffTheMacrsBasis) {
    Asset("MACRS", "5", "10000", "012004", true);
    ASSERT_TRUE(window.Click(MainCtl::chkBonus));
    EXPECT_EQ(c(MainCtl::lblAllowance).caption, "3000");
    Calculate();
    EXPECT_EQ(Cell(1, 2), "1,400.00 ");
    EXPECT_EQ(Cell(1, 3), "5,600.00 ");
}

// ------------------------------------------------------------------ vehicles

class FakeLimits : public VehicleLimitSource {
  public:
    std::map<std::pair<char, std::string>, VehicleLimits> records;
    std::optional<VehicleLimits> Lookup(char kind, std::string_view year) override {
        auto it = records.find({kind, std::string(year)});
        if (it == records.end()) return std::nullopt;
        return it->second;
    }
};

class VehicleTest : public ScheduleTest {
  protected:
    VehicleTest() {
        limits.records[{'A', "2004"}] = {"7660 ", "3060 ", "4900 ", "2950 ", "1775 ", "10610"};
        limits.records[{'T', "2004"}] = {"0    ", "3260 ", "5300 ", "3150 ", "1875 ", "10910"};
        limits.records[{'E', "2004"}] = {"     ", "9280 ", "14800", "8850 ", "5325 ", "23880"};
        window.depr().vehicle_limits = &limits;
    }
    void Car(const std::string& cls, const std::string& business, const std::string& cost) {
        Choose(MainCtl::cboMethod, "MACRS");
        Choose(MainCtl::cboClass, cls);
        if (!business.empty()) Enter(MainCtl::txtBusinessPercent, business);
        Enter(MainCtl::txtCost, cost);
        InService("012004");
    }
    FakeLimits limits;
};

TEST_F(VehicleTest, CappedYearsRunUntilTheBasisIsUsed) {
    Car("Automobiles (5)", "", "30000");
    Calculate();
    std::vector<std::string> expected = {"3,060.00 ", "4,900.00 ", "2,950.00 ",
                                         "1,775.00 ", "1,775.00 ", "1,728.00 "};
    for (int i = 0; i < 7; ++i)
        expected.push_back("1,775.00 ");
    expected.push_back("1,387.00 ");
    EXPECT_EQ(Amounts(), expected);
    EXPECT_EQ(Status(), "Method: MACRS-200% DB Luxury Auto");
    EXPECT_EQ(c(MainCtl::stbMain).fore, kBlue);
    EXPECT_DOUBLE_EQ(state().last_adj_tax_basis, 0);
}

TEST_F(VehicleTest, AllowanceIsCutToTheFirstYearLimit) {
    Car("Automobiles (5)", "", "30000");
    ASSERT_TRUE(window.Click(MainCtl::chkBonus));
    EXPECT_EQ(c(MainCtl::lblAllowance).caption, "9000");
    Calculate();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(
        platform.boxes[0].text,
        "The Special Depr Allowance was adjusted to be equal to the (max auto rate x Business "
        "%) of 7660");
    EXPECT_EQ(platform.boxes[0].title, "Orvane Asset Depreciation");
    EXPECT_EQ(c(MainCtl::lblAllowance).caption, "7660");
    EXPECT_EQ(Cell(1, 2), ".00 ");
    EXPECT_EQ(Cell(1, 3), "22,340.00 ");
    EXPECT_EQ(Cell(2, 2), "4,900.00 ");
}

TEST_F(VehicleTest, ZeroThirtyPercentLimitFallsBackToTheFirstYear) {
    Car("Truck/Van (5)", "", "30000");
    ASSERT_TRUE(window.Click(MainCtl::chkBonus));
    Calculate();
    EXPECT_EQ(c(MainCtl::lblAllowance).caption, "3260");
    EXPECT_EQ(Cell(1, 2), ".00 ");
}

TEST_F(VehicleTest, HundredPercentUsesTheFiftyPercentLimit) {
    Car("Automobiles (5)", "", "30000");
    ASSERT_TRUE(window.Click(MainCtl::chkBonus100));
    Calculate();
    EXPECT_EQ(c(MainCtl::lblAllowance).caption, "10610");
}

TEST_F(VehicleTest, BlankLimitIsAConversionFault) {
    Car("Automobiles, Clean Fuel (5)", "", "30000");
    ASSERT_TRUE(window.Click(MainCtl::chkBonus));
    Calculate();
    ASSERT_FALSE(platform.boxes.empty());
    EXPECT_EQ(platform.boxes[0].title, "MACRSauto Error");
    EXPECT_EQ(platform.boxes[0].text, "Err: 13[Type mismatch]");
}

TEST_F(VehicleTest, YearWithoutRecordAndSaleYear) {
    Car("Automobiles (5)", "", "30000");
    InService("012005");
    Calculate();
    EXPECT_EQ(Status(),
              "Use Tools/Automobile Max Amounts to enter the max auto depr amount for this year.");
    EXPECT_TRUE(Amounts().empty());
    ASSERT_TRUE(window.Click(MainCtl::optAssetType1));
    InService("012004");
    ASSERT_TRUE(window.Focus(MainCtl::mskSold));
    window.TypeText("062006");
    Calculate();
    EXPECT_EQ(Amounts(), (std::vector<std::string>{"3,060.00 ", "4,900.00 ", "1,475.00 "}));
}

TEST_F(VehicleTest, LowLimitsStopAfterFortyThreeYears) {
    limits.records[{'A', "2004"}] = {"0", "10", "10", "10", "10", "0"};
    Car("Automobiles (5)", "", "30000");
    Calculate();
    EXPECT_EQ(Status(), "Can't display total depreciation. The life greater then 43 !");
    EXPECT_TRUE(state().input_error);
    EXPECT_EQ(Amounts().size(), 43u);
}

TEST_F(VehicleTest, ZeroBusinessUseIsRequired) {
    Car("Automobiles (5)", "0", "30000");
    Calculate();
    EXPECT_EQ(Status(), "Business Percent is required.");
    EXPECT_EQ(c(MainCtl::lblAutoBusiness).fore, kRed);
}

}  // namespace
}  // namespace orvane::testing
