// Schedules through the window: MACRS tables, real property, straight line, ADS, sale years,
// exchanges, the grid's groups and the vehicle limits.

#include <map>
#include <ostream>

#include "base/numtext.h"
#include "tests/app/model/window_fixture.h"

namespace orvane::testing {
namespace {

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
            ASSERT_EQ(window.Focus(MainCtl::cboLife), Outcome::Done);
            window.TypeText(life);
        }
        Enter(MainCtl::txtCost, cost);
        InService(in_service);
    }
    void Sold(const std::string& digits) {
        ASSERT_EQ(window.Focus(MainCtl::mskSold), Outcome::Done);
        window.TypeText(digits);
    }
    static std::string Money(double v) { return Format(v, Pattern::Amount); }
};

// The in-service month and the convention pick the table: its first and last years, typed out
// in percent.
struct TableCase {
    const char* name;
    const char* in_service;
    bool mid_quarter;
    const char* life;
    double first, last;  // percent
    const char* caption;
};
void PrintTo(const TableCase& t, std::ostream* os) {
    *os << t.name << ", " << t.life << " years";
}
class MacrsTableTest : public ScheduleTest, public ::testing::WithParamInterface<TableCase> {};

TEST_P(MacrsTableTest, TheConventionAndQuarterPickTheTable) {
    const TableCase& t = GetParam();
    Asset("MACRS", t.life, "123456.78", t.in_service, true);
    if (t.mid_quarter) {
        ASSERT_EQ(window.Click(MainCtl::optConvention1), Outcome::Done);
    }
    Calculate();
    auto amounts = Amounts();
    ASSERT_EQ(amounts.size(), static_cast<size_t>(std::stoi(t.life) + 1));
    EXPECT_EQ(amounts.front(), Money(123456.78 * t.first / 100));
    EXPECT_EQ(amounts.back(), Money(123456.78 * t.last / 100));
    EXPECT_EQ(Status(), t.caption);
    EXPECT_TRUE(platform.boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Conventions, MacrsTableTest,
    ::testing::Values(
        TableCase{"HalfYear", "072004", false, "7", 14.29, 4.46, "Method: MACRS 200% DB"},
        TableCase{"MidQuarter1", "022004", true, "15", 8.75, 0.74, "Method: MACRS 150% DB"},
        TableCase{"MidQuarter2", "052004", true, "3", 41.67, 5.30, "Method: MACRS 200% DB"},
        TableCase{"MidQuarter3", "082004", true, "20", 2.813, 2.788, "Method: MACRS 150% DB"},
        TableCase{"MidQuarter4", "112004", true, "10", 2.50, 5.74, "Method: MACRS 200% DB"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RealCase {
    const char* life;
    int month;
    size_t rows_shown;
    const char* first;
    const char* last;
};
void PrintTo(const RealCase& r, std::ostream* os) {
    *os << r.life << " years from month " << r.month;
}
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
                         // (a typed 31.5 is a golden command-line case)
                         ::testing::Values(RealCase{"27.5", 6, 28, "1,970.00 ", "3,485.00 "},
                                           RealCase{"39", 12, 40, "107.00 ", "2,461.00 "}),
                         [](const auto& info) {
                             std::string life = info.param.life;
                             if (auto dot = life.find('.'); dot != std::string::npos)
                                 life[dot] = '_';
                             return "Life" + life + "_Month" + std::to_string(info.param.month);
                         });

TEST_F(ScheduleTest, ClassLifeTwentyEightIsTwentySevenAndAHalf) {
    Asset("MACRS", "27.5", "100000", "032004");
    Calculate();
    auto typed = Amounts();
    Choose(MainCtl::cboClass, "Buildings residential 27.5)");
    Calculate();
    EXPECT_EQ(Amounts(), typed);
    EXPECT_EQ(Cell(11, 9), "");  // year 33 would be here; the schedule has 29 years
}

TEST_F(ScheduleTest, NoTableLifeReportsEveryYearUnderTheTitleOfItsQuarter) {
    const std::pair<const char*, const char*> quarters[] = {
        {"022004", "MACRS Error"}, {"052004", "MACRS 2 Error"}, {"112004", "MACRS 3 Error"}};
    for (auto [in_service, title] : quarters) {
        ASSERT_EQ(window.Click(MainCtl::cmdClear), Outcome::Done);
        platform.boxes.shown.clear();
        Asset("MACRS", "39", "10000", in_service);
        ASSERT_EQ(window.Click(MainCtl::optConvention1),
                  Outcome::Done);  // a typed life does not lock Mid Month
        Calculate();
        ASSERT_EQ(platform.boxes.shown.size(), 40u) << in_service;
        for (const auto& box : platform.boxes.shown) {
            EXPECT_EQ(box.title, title);
            EXPECT_EQ(box.text, "Err: 9[Subscript out of range]");
        }
        EXPECT_EQ(Amounts(), std::vector<std::string>{".00 "});
    }
}

// ------------------------------------------------------------------ sale years

// (the half-year, mid-quarter and mid-month cuts of a first-quarter sale are golden cases)
TEST_F(ScheduleTest, ASaleInTheFourthQuarterKeepsSevenEighthsOfTheYear) {
    ASSERT_EQ(window.Click(MainCtl::optAssetType1), Outcome::Done);
    Asset("MACRS", "7", "10000", "112004", true);
    ASSERT_EQ(window.Click(MainCtl::optConvention1), Outcome::Done);
    Calculate();
    const auto full = Amounts();
    Sold("122006");
    Calculate();
    const auto cut = Amounts();
    ASSERT_EQ(cut.size(), 3u);
    EXPECT_EQ(cut.back(), Format(CDbl(full[2]) * 0.875, Pattern::Amount));
}

// ------------------------------------------------------------------ straight line and ADS

TEST_F(ScheduleTest, AdsBusinessUseOfOneIsOnePercentToTheEngineAndAllToTheGrid) {
    Choose(MainCtl::cboMethod, "ADS");
    Choose(MainCtl::cboLife, "5");
    Enter(MainCtl::txtBusinessPercent, "1");
    Enter(MainCtl::txtCost, "10000");
    InService("012004");
    Calculate();
    EXPECT_EQ(Cell(1, 2), "10.00 ");
    EXPECT_EQ(Cell(1, 3), "9,990.00 ");
}

// ------------------------------------------------------------------ vehicles
// (capped years, the allowance cut to the first-year limit, a year without limits and a sale
// year are golden cases and engine tests)

// Limit records as texts, read as the limit files read them (a blank limit is fault 13).
class FakeLimits : public VehicleLimitSource {
  public:
    std::map<std::pair<Vehicle, int>, std::array<std::string, 6>> records;
    std::optional<VehicleLimits> Lookup(Vehicle kind, int year) override {
        auto it = records.find({kind, year});
        if (it == records.end()) return std::nullopt;
        VehicleLimits limits;
        for (std::size_t i = 0; i < limits.size(); ++i) {
            const std::optional<double> v = TryCDbl(it->second[i]);
            limits[i] = v ? Reading{*v, 0} : Reading{0, fault::kTypeMismatch};
        }
        return limits;
    }
};

class VehicleTest : public ScheduleTest {
  protected:
    VehicleTest() {
        limits.records[{Vehicle::Automobile, 2004}] = {"7660 ", "3060 ", "4900 ",
                                                       "2950 ", "1775 ", "10610"};
        limits.records[{Vehicle::TruckOrVan, 2004}] = {"0    ", "3260 ", "5300 ",
                                                       "3150 ", "1875 ", "10910"};
        limits.records[{Vehicle::CleanFuelAutomobile, 2004}] = {"     ", "9280 ", "14800",
                                                                "8850 ", "5325 ", "23880"};
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

TEST_F(VehicleTest, ZeroThirtyPercentLimitFallsBackToTheFirstYear) {
    Car("Truck/Van (5)", "", "30000");
    ASSERT_EQ(window.Click(MainCtl::chkBonus), Outcome::Done);
    Calculate();
    EXPECT_EQ(c(MainCtl::lblAllowance).caption, "3260");
    EXPECT_EQ(Cell(1, 2), ".00 ");
}

TEST_F(VehicleTest, HundredPercentUsesTheFiftyPercentLimit) {
    Car("Automobiles (5)", "", "30000");
    ASSERT_EQ(window.Click(MainCtl::chkBonus100), Outcome::Done);
    Calculate();
    EXPECT_EQ(c(MainCtl::lblAllowance).caption, "10610");
}

TEST_F(VehicleTest, BlankLimitIsAConversionFault) {
    Car("Automobiles, Clean Fuel (5)", "", "30000");
    ASSERT_EQ(window.Click(MainCtl::chkBonus), Outcome::Done);
    Calculate();
    ASSERT_FALSE(platform.boxes.shown.empty());
    EXPECT_EQ(platform.boxes.shown[0].title, "MACRSauto Error");
    EXPECT_EQ(platform.boxes.shown[0].text, "Err: 13[Type mismatch]");
}

TEST_F(VehicleTest, LowLimitsStopAfterFortyThreeYears) {
    limits.records[{Vehicle::Automobile, 2004}] = {"0", "10", "10", "10", "10", "0"};
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
