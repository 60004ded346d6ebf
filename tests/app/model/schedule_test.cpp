// Vehicle schedules through the window over limit records of the test's own (the tables, the
// real property, the sale years and ADS are golden command-line cases).

#include <map>

#include "base/numtext.h"
#include "tests/app/model/window_fixture.h"

namespace orvane::testing {
namespace {

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

class VehicleTest : public WindowTest {
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
    void Car(const std::string& cls, const std::string& cost) {
        Choose(MainCtl::cboMethod, "MACRS");
        Choose(MainCtl::cboClass, cls);
        Enter(MainCtl::txtCost, cost);
        InService("012004");
    }
    FakeLimits limits;
};

TEST_F(VehicleTest, ZeroThirtyPercentLimitFallsBackToTheFirstYear) {
    Car("Truck/Van (5)", "30000");
    ASSERT_EQ(window.Click(MainCtl::chkBonus), Outcome::Done);
    Calculate();
    EXPECT_EQ(c(MainCtl::lblAllowance).caption, "3260");
    EXPECT_EQ(Cell(1, 2), ".00 ");
}

TEST_F(VehicleTest, HundredPercentUsesTheFiftyPercentLimit) {
    Car("Automobiles (5)", "30000");
    ASSERT_EQ(window.Click(MainCtl::chkBonus100), Outcome::Done);
    Calculate();
    EXPECT_EQ(c(MainCtl::lblAllowance).caption, "10610");
}

TEST_F(VehicleTest, BlankLimitIsAConversionFault) {
    Car("Automobiles, Clean Fuel (5)", "30000");
    ASSERT_EQ(window.Click(MainCtl::chkBonus), Outcome::Done);
    Calculate();
    ASSERT_FALSE(platform.boxes.shown.empty());
    EXPECT_EQ(platform.boxes.shown[0].title, "MACRSauto Error");
    EXPECT_EQ(platform.boxes.shown[0].text, "Err: 13[Type mismatch]");
}

TEST_F(VehicleTest, LowLimitsStopAfterFortyThreeYears) {
    limits.records[{Vehicle::Automobile, 2004}] = {"0", "10", "10", "10", "10", "0"};
    Car("Automobiles (5)", "30000");
    Calculate();
    EXPECT_EQ(Status(), "Can't display total depreciation. The life greater then 43 !");
    EXPECT_TRUE(state().input_error);
    EXPECT_EQ(Amounts().size(), 43u);
}

}  // namespace
}  // namespace orvane::testing
