#include "limits/limit_editor_model.h"

#include <gtest/gtest.h>

#include "limits_test_support.h"

namespace orvane {
namespace {

using namespace orvane::testing;

const std::string kRec1 = Rec("2003", "7660", "3060", "4900", "2950", "1775", "10710");
const std::string kRec2 = Rec("2004", "7560", "2960", "4800", "2850", "1675", "10610");
const std::string kRec3 = Rec("2005", "0", "2960", "4700", "2850", "1675", "0");

class EditorTest : public ::testing::Test {
  protected:
    void Load(std::string_view bytes, std::string file = "AutoMax.DAT") {
        WriteBytes(dir / file, bytes);
        data.OpenFile(file);
        window = std::make_unique<LimitEditorModel>(data, boxes, beeper, file);
        window->controls.caption = std::string(EditorCaptionFor(file));
        window->Form_Load(15360, 11520);
    }
    LimitEditorModel& w() { return *window; }
    const Control& c(EditorCtl id) { return w().controls[id]; }
    std::string Stored(const char* file = "AutoMax.DAT") { return ReadBytes(dir / file); }
    // Clicks into the box, selects its text and types `text` over it.
    void Enter(EditorCtl box, std::string_view text) {
        w().Select(box, 0, static_cast<int>(c(box).text.size()));
        text.empty() ? w().PressDelete(box) : w().Type(box, text);
    }
    void EnterRecord(const std::vector<std::string_view>& texts) {
        for (std::size_t i = 0; i < texts.size(); ++i)
            Enter(kRecordBoxes[i], texts[i]);
    }
    void ExpectStatus(std::string_view text, bool error = false) {
        EXPECT_EQ(c(EditorCtl::stbAuto).text, text);
        EXPECT_EQ(c(EditorCtl::stbAuto).fore, error ? kRed : kBlue);
        EXPECT_EQ(c(EditorCtl::stbAuto).bold, error);
    }
    std::vector<EditorCtl> RedLabels() {
        std::vector<EditorCtl> red;
        std::copy_if(kRecordLabels.begin(), kRecordLabels.end(), std::back_inserter(red),
                     [&](EditorCtl label) { return c(label).fore == kRed; });
        return red;
    }

    ScratchFolder dir;
    ScriptedBoxes boxes;
    CountingBeeper beeper;
    DataFile data{dir.path(), boxes};
    std::unique_ptr<LimitEditorModel> window;
};

TEST_F(EditorTest, LoadShowsRecordOneCentredThenNextAndPreviousStopAtTheEnds) {
    Load(kRec1 + kRec2 + kRec3);
    EXPECT_EQ(w().controls.left, (15360 - 4680) / 2);
    EXPECT_EQ(w().controls.top, (11520 - 3375) / 2);
    EXPECT_EQ(w().controls.caption, "Automobile  Maximun Amounts");
    EXPECT_EQ(c(EditorCtl::txtYear5).text, "10710");
    EXPECT_EQ(w().controls.focus, EditorCtl::txtYear);
    EXPECT_EQ(c(EditorCtl::txtYear).sel_start, 0);
    EXPECT_EQ(c(EditorCtl::txtYear).sel_length, 4);
    EXPECT_FALSE(w().IsDirty);
    EXPECT_EQ(w().controls.cancel_button, EditorCtl::cmdClose);

    w().Click(EditorCtl::cmdPrevious);
    ExpectStatus("No more records.");
    EXPECT_EQ(c(EditorCtl::txtYear).text, "2003");
    w().Click(EditorCtl::cmdNext);
    EXPECT_EQ(c(EditorCtl::txtYear).text, "2004");
    EXPECT_EQ(c(EditorCtl::stbAuto).text, "");
    w().Click(EditorCtl::cmdNext);
    w().Click(EditorCtl::cmdNext);
    ExpectStatus("No more records.");
    EXPECT_EQ(c(EditorCtl::txtYear).text, "2005");
    EXPECT_EQ(data.CurrentRecord, 3);
    w().Click(EditorCtl::cmdPrevious);
    EXPECT_EQ(c(EditorCtl::txtYear).text, "2004");
    EXPECT_TRUE(boxes.shown.empty());
}

// --- Keys ------------------------------------------------------------------------------------

struct BoxCase {
    EditorCtl box;
    bool numeric;
    const char* too_long;  // typed over the box; nullptr: not tried
    const char* kept;
};
class BoxKeyTest : public EditorTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(BoxKeyTest, NumericBoxesSelectAllOnEntryAndRefuseLettersWithABeep) {
    const auto& [box, numeric, too_long, kept] = GetParam();
    Load(kRec1);
    w().SetFocus(EditorCtl::cmdNext);
    w().SetFocus(box);
    EXPECT_EQ(c(box).sel_start, 0);
    EXPECT_EQ(c(box).sel_length, numeric ? static_cast<int>(c(box).text.size()) : 0);
    if (numeric) {
        const std::string whole = c(box).text;
        w().Select(box, 0, 1);
        w().PressDelete(box);  // the Delete key does not mark the record changed
        EXPECT_EQ(c(box).text, whole.substr(1));
        EXPECT_FALSE(w().IsDirty);
        const std::string before = c(box).text;
        w().Select(box, static_cast<int>(before.size()), 0);
        EXPECT_FALSE(w().KeyPress(box, U'x'));
        EXPECT_EQ(c(box).text, before);
        EXPECT_EQ(beeper.beeps, 1);
        ExpectStatus("Only numeric data is allowed.", true);
        EXPECT_TRUE(w().IsDirty);  // the refused key still marks the record changed
        EXPECT_TRUE(w().KeyPress(box, 8));
        EXPECT_EQ(c(EditorCtl::stbAuto).text, "");  // the next good key clears the message
        EXPECT_TRUE(w().KeyPress(box, U'.'));
        EXPECT_EQ(c(box).text, before.substr(0, before.size() - 1) + ".");
        EXPECT_EQ(beeper.beeps, 1);
    } else {
        // Any character, silently, without marking the record: Next drops the change unasked.
        Enter(box, "n/a");
        EXPECT_EQ(c(box).text, "n/a");
        EXPECT_EQ(beeper.beeps, 0);
        EXPECT_FALSE(w().IsDirty);
        w().Click(EditorCtl::cmdNext);
        EXPECT_TRUE(boxes.shown.empty());
        EXPECT_EQ(Stored(), kRec1);
    }
    if (too_long != nullptr) {
        Enter(box, too_long);
        EXPECT_EQ(c(box).text, kept);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, BoxKeyTest,
    ::testing::Values(BoxCase{EditorCtl::txtYear, true, "20045", "2004"},
                      BoxCase{EditorCtl::txtYear0, false, "abcdefghi", "abcdefg"},
                      BoxCase{EditorCtl::txtYear1, true, "123456789", "1234567"},
                      BoxCase{EditorCtl::txtYear4, true, "123456789", "123456789"},
                      BoxCase{EditorCtl::txtYear5, false, "123456789", "123456789"}));

// --- Saving and validation -------------------------------------------------------------------

struct RuleCase {
    EditorCtl box;
    const char* text;
    EditorCtl label;  // EditorCtl::None: the save goes through
    const char* message;
};
class ValidationTest : public EditorTest, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(ValidationTest, TheFirstFailingRuleStopsTheSave) {
    Load(kRec1 + kRec2);
    const RuleCase& r = GetParam();
    EnterRecord({"2006", "0", "2960", "4800", "2850", "1775", "0"});
    Enter(r.box, r.text);
    w().Click(EditorCtl::cmdSave);
    if (r.label == EditorCtl::None) {
        EXPECT_TRUE(w().SaveSucceeded);
        EXPECT_FALSE(w().IsDirty);
        ExpectStatus("Record Updated.");
        EXPECT_TRUE(RedLabels().empty());
        EXPECT_NE(Stored(), kRec1 + kRec2);
        return;
    }
    EXPECT_FALSE(w().SaveSucceeded);
    ExpectStatus(r.message, true);
    EXPECT_EQ(RedLabels(), std::vector<EditorCtl>{r.label});
    EXPECT_EQ(w().controls.focus, r.box);
    EXPECT_EQ(Stored(), kRec1 + kRec2);
    // The next save starts with black labels again.
    Enter(r.box, r.box == EditorCtl::txtYear ? "2006" : "1");
    w().Click(EditorCtl::cmdSave);
    EXPECT_TRUE(RedLabels().empty());
    ExpectStatus("Record Updated.");
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ValidationTest,
    ::testing::Values(
        RuleCase{EditorCtl::txtYear, "", EditorCtl::lblYear, "Year is required."},
        RuleCase{EditorCtl::txtYear, "204", EditorCtl::lblYear, "Year must be 4 digits."},
        RuleCase{EditorCtl::txtYear, "20.4", EditorCtl::None, ""},
        RuleCase{EditorCtl::txtYear0, "", EditorCtl::lblYear0, "Enter zero if rate doesn't apply."},
        RuleCase{EditorCtl::txtYear1, "", EditorCtl::lblYear1, "Year amount is required."},
        RuleCase{EditorCtl::txtYear4, "", EditorCtl::lblYear4, "Year amount is required."},
        RuleCase{EditorCtl::txtYear5, "", EditorCtl::None, ""}));

// --- The save prompt -------------------------------------------------------------------------

// Cancel stays, Yes with a missing amount stays with the message, then Yes saves and goes on
// (No and the other buttons' answers: the limit editor's widget test).
TEST_F(EditorTest, CancelStaysAFailedSaveStaysYesSaves) {
    const std::string before = kRec1 + kRec2 + kRec3;
    Load(before);
    Enter(EditorCtl::txtYear, "1999");
    Enter(EditorCtl::txtYear1, "");
    boxes.answers = {MsgAnswer::Cancel, MsgAnswer::Yes, MsgAnswer::Yes};
    for (EditorCtl button : {EditorCtl::cmdClose, EditorCtl::cmdNext}) {
        w().Click(button);
        EXPECT_EQ(boxes.shown.back().text, "Save Changes?");
        EXPECT_EQ(boxes.shown.back().buttons, MsgButtons::YesNoCancel);
        EXPECT_TRUE(w().loaded());
        EXPECT_EQ(c(EditorCtl::txtYear).text, "1999");
        EXPECT_TRUE(w().IsDirty);
    }
    ExpectStatus("Year amount is required.", true);
    EXPECT_EQ(RedLabels(), std::vector<EditorCtl>{EditorCtl::lblYear1});
    EXPECT_EQ(Stored(), before);

    Enter(EditorCtl::txtYear1, "1");
    w().Click(EditorCtl::cmdNext);
    EXPECT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(c(EditorCtl::txtYear).text, "2004");
    EXPECT_FALSE(w().IsDirty);
    EXPECT_EQ(Stored().substr(0, 4), "1999");
}

// --- Adding, deleting, closing ---------------------------------------------------------------

TEST_F(EditorTest, AnAddedPlaceIsReachedWithNextAndLeftUnwrittenOnClose) {
    Load(kRec1);
    w().Click(EditorCtl::cmdAdd);
    EXPECT_EQ(data.RecordCount, 2);
    EXPECT_EQ(data.CurrentRecord, 2);
    EXPECT_EQ(c(EditorCtl::txtYear).text, "");
    EXPECT_EQ(w().controls.focus, EditorCtl::txtYear);
    w().Click(EditorCtl::cmdPrevious);
    EXPECT_EQ(c(EditorCtl::txtYear).text, "2003");
    w().Click(EditorCtl::cmdNext);
    EXPECT_EQ(data.CurrentRecord, 2);
    EXPECT_EQ(c(EditorCtl::txtYear).text, "");
    w().Click(EditorCtl::cmdNext);
    ExpectStatus("No more records.");
    w().Click(EditorCtl::cmdClose);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(w().loaded());
    EXPECT_FALSE(data.IsOpen());
    EXPECT_EQ(Stored(), kRec1);
    w().Click(EditorCtl::cmdNext);  // a closed window takes no clicks
    EXPECT_EQ(data.CurrentRecord, 2);
}

TEST_F(EditorTest, DeleteInTheTruckWindowChangesOnlyTheTruckFile) {
    WriteBytes(dir / "AutoMax.DAT", kRec1);
    WriteBytes(dir / "Electric.DAT", kRec2);
    Load(kRec1 + kRec3, "TruckMax.DAT");
    w().Click(EditorCtl::cmdDelete);
    EXPECT_EQ(Stored("TruckMax.DAT"), kRec3);
    EXPECT_EQ(Stored("AutoMax.DAT"), kRec1);
    EXPECT_EQ(Stored("Electric.DAT"), kRec2);
    EXPECT_EQ(c(EditorCtl::txtYear).text, "2005");
    ExpectStatus("Record Deleted");
}

TEST_F(EditorTest, DeleteAndAddDoNotAskToSaveAndKeepTheChangeMark) {
    Load(kRec1 + kRec2);
    Enter(EditorCtl::txtYear1, "1");
    boxes.answers = {MsgAnswer::No};
    w().Click(EditorCtl::cmdDelete);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Delete current record?"});
    EXPECT_TRUE(w().IsDirty);
    w().Click(EditorCtl::cmdAdd);
    EXPECT_TRUE(w().IsDirty);
    EXPECT_EQ(boxes.shown.size(), 1u);
}

}  // namespace
}  // namespace orvane
