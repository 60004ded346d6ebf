#include "limits/vehicle_limit_files.h"

#include <gtest/gtest.h>

#include "limits_test_support.h"

namespace orvane {
namespace {

using namespace orvane::testing;

class LookupTest : public ::testing::TestWithParam<char> {
  protected:
    ScratchFolder dir;
    ScriptedBoxes boxes;
    HookedFileSystem fs;
    VehicleLimitFiles files{dir.path(), boxes, fs};
};

TEST_P(LookupTest, ReadsTheFirstRecordOfTheYearFromTheFileOfTheKind) {
    const std::string tag(1, GetParam());
    for (char other : {'A', 'E', 'T'}) {
        const std::string t(1, other);
        WriteBytes(dir / LimitFileForKind(other),
                   Rec("2003", "1", "2", "3", "4", "5", "6") +
                       Rec("2004", t + "30", "3060", "4900", "2950", t + "1775", t + "50") +
                       Rec("2004", "9", "9", "9", "9", "9", "9"));
    }
    int opens = 0, closes = 0;
    fs.before = [&](std::string_view op) {
        opens += op == "open";
        closes += op == "close";
    };
    std::optional<VehicleLimitTexts> limits = files.Find(GetParam(), "2004");
    ASSERT_TRUE(limits.has_value());
    EXPECT_EQ(*limits, (VehicleLimitTexts{tag + "30  ", "3060 ", "4900 ", "2950 ", tag + "1775",
                                          tag + "50  "}));
    EXPECT_EQ(opens, 1);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(files.Find(GetParam(), "2005").has_value());
    EXPECT_EQ(closes, 2);  // closed whether or not the year was found
    // As numbers: the blanks around a number are taken, a text that is none is fault 13.
    const Vehicle vehicle = GetParam() == 'A'   ? Vehicle::Automobile
                            : GetParam() == 'E' ? Vehicle::CleanFuelAutomobile
                                                : Vehicle::TruckOrVan;
    const std::optional<VehicleLimits> numbers = files.Lookup(vehicle, 2004);
    ASSERT_TRUE(numbers.has_value());
    EXPECT_EQ((*numbers)[0].fault, 13);
    EXPECT_EQ((*numbers)[1].value, 3060);
    EXPECT_EQ((*numbers)[3].value, 2950);
    EXPECT_EQ((*numbers)[3].fault, 0);
    EXPECT_FALSE(files.Lookup(vehicle, 2005).has_value());
    EXPECT_TRUE(boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, LookupTest, ::testing::Values('A', 'E', 'T'));

TEST(Lookup, AnUnknownKindHasNoFileAndAFolderThatCannotBeOpenedIsReported) {
    ScratchFolder dir;
    ScriptedBoxes boxes;
    EXPECT_FALSE(VehicleLimitFiles(dir.path(), boxes).Find('X', "2004").has_value());
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_FALSE(VehicleLimitFiles(dir / "missing", boxes).Find('A', "    ").has_value());
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{"Can't open file.", "Can't open file.",
                                        "52 Error in SearchFile Bad file name or number"}));
}

}  // namespace
}  // namespace orvane
