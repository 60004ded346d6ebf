#include "help/help.h"

#include <ostream>

#include <gtest/gtest.h>

#include "base/fault.h"
#include "tests/limits/limits_test_support.h"
#include "tests/support/fakes.h"

namespace orvane {
namespace {

using fakes::FakeHelpViewer;

class HelpTest : public ::testing::Test {
  protected:
    fakes::ScriptedMessageBoxes boxes;
    FakeHelpViewer viewer;
    Help help{boxes, viewer};
};

TEST_F(HelpTest, WithoutAHelpFileContentsSaysSoWithTheInformationIconAndOpensNothing) {
    help.DisplayHelpContents();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              "Unable to display Help Contents. There is no Help associated with this project.");
    EXPECT_EQ(boxes.shown[0].title, "");
    EXPECT_EQ(boxes.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Information);
    EXPECT_TRUE(viewer.calls.empty());
    help.ShowTopic(240);  // F1 without a help file: nothing at all
    EXPECT_TRUE(viewer.calls.empty());
    EXPECT_EQ(boxes.shown.size(), 1u);
}

struct TrapCase {
    const char* name;
    void (Help::*command)();
    const char* text;
};

// The case's name in the test lists, rather than the bytes of the struct.
void PrintTo(const TrapCase& c, std::ostream* os) {
    *os << c.name;
}

class HelpTrapTest : public HelpTest, public ::testing::WithParamInterface<TrapCase> {};

TEST_P(HelpTrapTest, AFailureIsReportedWithTheRoutineAndTheProgramGoesOn) {
    help.help_file = "/opt/orvane/orvane.qch";
    viewer.on_call = [] { Raise(fault::kFileNotFound); };
    (help.*GetParam().command)();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, GetParam().text);
    EXPECT_EQ(boxes.shown[0].buttons, MsgButtons::Ok);
    viewer.on_call = nullptr;
    (help.*GetParam().command)();
    EXPECT_EQ(viewer.calls.size(), 1u);
    EXPECT_EQ(boxes.shown.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, HelpTrapTest,
    ::testing::Values(TrapCase{"Contents", &Help::DisplayHelpContents,
                               "Error in DisplayHelpContents File not found Error Number: 53"},
                      TrapCase{"Search", &Help::ShowHelpSearch,
                               "Error in ShowHelpSearch File not found Error Number: 53"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HelpFileFor, BesideTheProgramThenInstalledThenTheNameBesideTheProgram) {
    testing::ScratchFolder root;
    const auto bin = root / "usr" / "bin";
    const auto share = root / "usr" / "share" / "orvane";
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(share);
    EXPECT_EQ(HelpFileFor(bin), bin / "orvane.qch");  // missing: the viewer reports it
    testing::WriteBytes(share / "orvane.qch", "x");
    EXPECT_EQ(HelpFileFor(bin), share / "orvane.qch");
    testing::WriteBytes(bin / "orvane.qch", "x");
    EXPECT_EQ(HelpFileFor(bin), bin / "orvane.qch");
}

}  // namespace
}  // namespace orvane
