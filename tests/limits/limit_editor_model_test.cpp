#include "limits/limit_editor_model.h"

#include <gtest/gtest.h>

#include "limits_test_support.h"

namespace orvane {
namespace {

using namespace orvane::testing;

// The keys, rules, questions and saves of the editor are golden cases of orvane-cli edit-limits
// (tests/cli/cases/limit_editor.t); here is what its output cannot show.
class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteBytes(dir / "AutoMax.DAT", Records({1, 2}));
        data.OpenFile("AutoMax.DAT");
        window = std::make_unique<LimitEditorModel>(data, boxes, beeper, "AutoMax.DAT");
        window->Form_Load(15360, 11520);
    }
    LimitEditorModel& w() { return *window; }

    ScratchFolder dir;
    ScriptedBoxes boxes;
    CountingBeeper beeper;
    DataFile data{dir.path(), boxes};
    std::unique_ptr<LimitEditorModel> window;
};

// Centred on the screen; Backspace passes a numeric box's filter; the delete and save questions
// offer Yes, No and Cancel; a closed window has closed its file and takes no clicks.
TEST_F(EditorTest, WhatTheCommandLineCannotShow) {
    EXPECT_EQ(w().controls.left, (15360 - 4680) / 2);
    EXPECT_EQ(w().controls.top, (11520 - 3375) / 2);
    w().Select(EditorCtl::txtYear1, 4, 0);
    EXPECT_TRUE(w().KeyPress(EditorCtl::txtYear1, 8));
    EXPECT_EQ(w().controls[EditorCtl::txtYear1].text, "306");
    EXPECT_EQ(beeper.beeps, 0);

    boxes.answers = {MsgAnswer::No, MsgAnswer::No};
    w().Click(EditorCtl::cmdDelete);
    w().Click(EditorCtl::cmdClose);
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Delete current record?", "Save Changes?"}));
    for (const auto& shown : boxes.shown)
        EXPECT_EQ(shown.buttons, MsgButtons::YesNoCancel);
    EXPECT_FALSE(w().loaded());
    EXPECT_FALSE(data.IsOpen());
    w().Click(EditorCtl::cmdNext);
    EXPECT_EQ(data.CurrentRecord, 1);
}

}  // namespace
}  // namespace orvane
