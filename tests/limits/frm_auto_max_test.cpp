#include "limits/frm_auto_max.h"

#include <gtest/gtest.h>

#include <limits>

#include "limits_test_support.h"

namespace orvane {
namespace {

using testing::CountingBeeper;
using testing::ReadBytes;
using testing::Rec;
using testing::ScratchFolder;
using testing::ScriptedBoxes;
using testing::WriteBytes;

const std::string kRec1 = Rec("2003", "7660", "3060", "4900", "2950", "1775", "10710");
const std::string kRec2 = Rec("2004", "7560", "2960", "4800", "2850", "1675", "10610");
const std::string kRec3 = Rec("2005", "0", "2960", "4700", "2850", "1675", "0");

class EditorTest : public ::testing::Test {
  protected:
    void Load(std::string_view bytes, std::string file = "AutoMax.DAT") {
        WriteBytes(dir / file, bytes);
        LoadExisting(std::move(file));
    }
    void LoadExisting(std::string file = "AutoMax.DAT") {
        data.OpenFile(file);
        window = std::make_unique<FrmAutoMax>(data, boxes, beeper, file);
        window->form.caption = std::string(EditorCaptionFor(file));
        window->Form_Load(15360, 11520);
    }
    FrmAutoMax& w() { return *window; }
    const Control& c(Ed id) { return w().form[id]; }
    std::string Stored(const char* file = "AutoMax.DAT") { return ReadBytes(dir / file); }
    // Clicks into the box, selects its text and types `text` over it.
    void Enter(Ed box, std::string_view text) {
        w().Select(box, 0, static_cast<int>(c(box).text.size()));
        if (text.empty()) {
            w().PressDelete(box);
        } else {
            w().Type(box, text);
        }
    }
    void EnterRecord(std::string_view year, std::string_view b30, std::string_view y1,
                     std::string_view y2, std::string_view y3, std::string_view y4,
                     std::string_view b50) {
        Enter(Ed::txtYear, year);
        Enter(Ed::txtYear0, b30);
        Enter(Ed::txtYear1, y1);
        Enter(Ed::txtYear2, y2);
        Enter(Ed::txtYear3, y3);
        Enter(Ed::txtYear4, y4);
        Enter(Ed::txtYear5, b50);
    }
    void ExpectNotice(std::string_view text) {
        EXPECT_EQ(c(Ed::stbAuto).text, text);
        EXPECT_EQ(c(Ed::stbAuto).fore, kBlue);
        EXPECT_FALSE(c(Ed::stbAuto).bold);
    }
    void ExpectError(std::string_view text) {
        EXPECT_EQ(c(Ed::stbAuto).text, text);
        EXPECT_EQ(c(Ed::stbAuto).fore, kRed);
        EXPECT_TRUE(c(Ed::stbAuto).bold);
    }
    std::vector<Ed> RedLabels() {
        std::vector<Ed> red;
        for (Ed label : kRecordLabels) {
            if (c(label).fore == kRed) red.push_back(label);
        }
        return red;
    }

    ScratchFolder dir;
    ScriptedBoxes boxes;
    CountingBeeper beeper;
    DataFile data{dir.path(), boxes};
    std::unique_ptr<FrmAutoMax> window;
};

TEST_F(EditorTest, LoadCentresTheWindowAndShowsRecordOneWithTheYearSelected) {
    Load(kRec1 + kRec2);
    EXPECT_EQ(w().form.left, (15360 - 4680) / 2);
    EXPECT_EQ(w().form.top, (11520 - 3375) / 2);
    EXPECT_EQ(w().form.caption, "Automobile  Maximun Amounts");
    EXPECT_EQ(c(Ed::txtYear).text, "2003");
    EXPECT_EQ(c(Ed::txtYear5).text, "10710");
    EXPECT_EQ(w().form.focus, Ed::txtYear);
    EXPECT_EQ(c(Ed::txtYear).sel_start, 0);
    EXPECT_EQ(c(Ed::txtYear).sel_length, 4);
    EXPECT_FALSE(w().IsDirty);
    EXPECT_EQ(w().form.cancel_button, Ed::cmdClose);
}

TEST_F(EditorTest, NextAndPreviousPageAndStopAtTheEnds) {
    Load(kRec1 + kRec2 + kRec3);
    w().Click(Ed::cmdPrevious);
    ExpectNotice("No more records.");
    EXPECT_EQ(c(Ed::txtYear).text, "2003");
    w().Click(Ed::cmdNext);
    EXPECT_EQ(c(Ed::txtYear).text, "2004");
    EXPECT_EQ(c(Ed::stbAuto).text, "");
    w().Click(Ed::cmdNext);
    w().Click(Ed::cmdNext);
    ExpectNotice("No more records.");
    EXPECT_EQ(c(Ed::txtYear).text, "2005");
    EXPECT_EQ(data.CurrentRecord, 3);
    w().Click(Ed::cmdPrevious);
    EXPECT_EQ(c(Ed::txtYear).text, "2004");
    EXPECT_TRUE(boxes.shown.empty());
}

// --- Keys ------------------------------------------------------------------------------------

class NumericBoxTest : public EditorTest, public ::testing::WithParamInterface<Ed> {};

TEST_P(NumericBoxTest, ALetterBeepsStaysOutAndStillMarksTheRecordChanged) {
    Load(kRec1);
    const Ed box = GetParam();
    const std::string before = c(box).text;
    w().Select(box, static_cast<int>(before.size()), 0);
    EXPECT_FALSE(w().KeyPress(box, U'x'));
    EXPECT_EQ(c(box).text, before);
    EXPECT_EQ(beeper.beeps, 1);
    ExpectError("Only numeric data is allowed.");
    EXPECT_TRUE(w().IsDirty);
    // The next good key clears the message.
    EXPECT_TRUE(w().KeyPress(box, 8));
    EXPECT_EQ(c(Ed::stbAuto).text, "");
    EXPECT_TRUE(w().KeyPress(box, U'.'));
    EXPECT_EQ(c(box).text, before.substr(0, before.size() - 1) + ".");
    EXPECT_EQ(beeper.beeps, 1);
}

TEST_P(NumericBoxTest, GettingTheFocusSelectsTheWholeText) {
    Load(kRec1);
    w().SetFocus(Ed::cmdNext);
    w().SetFocus(GetParam());
    EXPECT_EQ(c(GetParam()).sel_start, 0);
    EXPECT_EQ(c(GetParam()).sel_length, static_cast<int>(c(GetParam()).text.size()));
}

INSTANTIATE_TEST_SUITE_P(Boxes, NumericBoxTest,
                         ::testing::Values(Ed::txtYear, Ed::txtYear1, Ed::txtYear2, Ed::txtYear3,
                                           Ed::txtYear4));

class FreeBoxTest : public EditorTest, public ::testing::WithParamInterface<Ed> {};

TEST_P(FreeBoxTest, TakesAnyCharacterSilentlyWithoutMarkingTheRecord) {
    Load(kRec1);
    const Ed box = GetParam();
    w().SetFocus(Ed::cmdNext);
    w().SetFocus(box);
    EXPECT_EQ(c(box).sel_length, 0);  // no selection on entry
    Enter(box, "n/a");
    EXPECT_EQ(c(box).text, "n/a");
    EXPECT_EQ(beeper.beeps, 0);
    EXPECT_FALSE(w().IsDirty);
    w().Click(Ed::cmdNext);  // no question: the change is dropped
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(Stored(), kRec1);
}

INSTANTIATE_TEST_SUITE_P(Boxes, FreeBoxTest, ::testing::Values(Ed::txtYear0, Ed::txtYear5));

TEST_F(EditorTest, BoxesKeepToTheirLengthLimits) {
    Load(kRec1);
    Enter(Ed::txtYear, "20045");
    EXPECT_EQ(c(Ed::txtYear).text, "2004");
    Enter(Ed::txtYear1, "123456789");
    EXPECT_EQ(c(Ed::txtYear1).text, "1234567");
    Enter(Ed::txtYear0, "abcdefghi");
    EXPECT_EQ(c(Ed::txtYear0).text, "abcdefg");
    Enter(Ed::txtYear4, "123456789");
    EXPECT_EQ(c(Ed::txtYear4).text, "123456789");
    Enter(Ed::txtYear5, "123456789");
    EXPECT_EQ(c(Ed::txtYear5).text, "123456789");
}

TEST_F(EditorTest, TheDeleteKeyDoesNotMarkTheRecordChanged) {
    Load(kRec1 + kRec2);
    w().Select(Ed::txtYear1, 0, 1);
    w().PressDelete(Ed::txtYear1);
    EXPECT_EQ(c(Ed::txtYear1).text, "060");
    EXPECT_FALSE(w().IsDirty);
    w().Click(Ed::cmdNext);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(c(Ed::txtYear).text, "2004");
}

// --- Saving and validation -------------------------------------------------------------------

struct RuleCase {
    Ed box;
    const char* text;
    Ed label;  // Ed::None: the save goes through
    const char* message;
};
class ValidationTest : public EditorTest, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(ValidationTest, TheFirstFailingRuleStopsTheSave) {
    Load(kRec1 + kRec2);
    const RuleCase& r = GetParam();
    EnterRecord("2006", "0", "2960", "4800", "2850", "1775", "0");
    Enter(r.box, r.text);
    w().Click(Ed::cmdSave);
    if (r.label == Ed::None) {
        EXPECT_TRUE(w().SaveSucceeded);
        EXPECT_FALSE(w().IsDirty);
        ExpectNotice("Record Updated.");
        EXPECT_TRUE(RedLabels().empty());
        EXPECT_NE(Stored(), kRec1 + kRec2);
        return;
    }
    EXPECT_FALSE(w().SaveSucceeded);
    ExpectError(r.message);
    EXPECT_EQ(RedLabels(), std::vector<Ed>{r.label});
    EXPECT_EQ(w().form.focus, r.box);
    EXPECT_EQ(Stored(), kRec1 + kRec2);
    // The next save starts with black labels again.
    Enter(r.box, r.box == Ed::txtYear ? "2006" : "1");
    w().Click(Ed::cmdSave);
    EXPECT_TRUE(RedLabels().empty());
    ExpectNotice("Record Updated.");
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ValidationTest,
    ::testing::Values(RuleCase{Ed::txtYear, "", Ed::lblYear, "Year is required."},
                      RuleCase{Ed::txtYear, "204", Ed::lblYear, "Year must be 4 digits."},
                      RuleCase{Ed::txtYear, "20.4", Ed::None, ""},
                      RuleCase{Ed::txtYear0, "", Ed::lblYear0, "Enter zero if rate doesn't apply."},
                      RuleCase{Ed::txtYear1, "", Ed::lblYear1, "Year amount is required."},
                      RuleCase{Ed::txtYear2, "", Ed::lblYear2, "Year amount is required."},
                      RuleCase{Ed::txtYear3, "", Ed::lblYear3, "Year amount is required."},
                      RuleCase{Ed::txtYear4, "", Ed::lblYear4, "Year amount is required."},
                      RuleCase{Ed::txtYear5, "", Ed::None, ""}));

TEST_F(EditorTest, SavingWritesTheBoxesIntoTheRecordAtItsPlace) {
    Load(kRec1 + kRec2);
    w().Click(Ed::cmdNext);
    EnterRecord("2004", "7560", "2960", "4800", "2850", "1675", "");
    w().Click(Ed::cmdSave);
    EXPECT_EQ(Stored(), kRec1 + Rec("2004", "7560", "2960", "4800", "2850", "1675", ""));
}

// --- The save prompt -------------------------------------------------------------------------

struct PromptCase {
    Ed button;
    int start;          // record shown when the year is changed
    const char* moved;  // year shown after going on ("" when the window closes)
};
class SavePromptTest : public EditorTest, public ::testing::WithParamInterface<PromptCase> {
  protected:
    void SetUp() override {
        Load(kRec1 + kRec2 + kRec3);
        while (data.CurrentRecord < GetParam().start)
            w().Click(Ed::cmdNext);
        Enter(Ed::txtYear, "1999");
        ASSERT_TRUE(w().IsDirty);
    }
    void Press() { w().Click(GetParam().button); }
    bool MovedOn() {
        if (*GetParam().moved == 0) return !w().loaded();
        return c(Ed::txtYear).text == GetParam().moved;
    }
};

TEST_P(SavePromptTest, CancelStaysOnTheRecordAndAsksAgainNextTime) {
    boxes.answers = {MsgAnswer::Cancel, MsgAnswer::Cancel};
    Press();
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Save Changes?"});
    EXPECT_EQ(boxes.shown[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_TRUE(w().loaded());
    EXPECT_EQ(c(Ed::txtYear).text, "1999");
    EXPECT_TRUE(w().IsDirty);
    Press();
    EXPECT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(c(Ed::txtYear).text, "1999");
}

TEST_P(SavePromptTest, YesWithAMissingAmountStaysWithTheMessage) {
    Enter(Ed::txtYear1, "");
    boxes.answers = {MsgAnswer::Yes};
    Press();
    EXPECT_TRUE(w().loaded());
    EXPECT_EQ(c(Ed::txtYear).text, "1999");
    ExpectError("Year amount is required.");
    EXPECT_EQ(RedLabels(), std::vector<Ed>{Ed::lblYear1});
    EXPECT_TRUE(w().IsDirty);
    EXPECT_EQ(Stored(), kRec1 + kRec2 + kRec3);
}

TEST_P(SavePromptTest, YesSavesAndGoesOn) {
    boxes.answers = {MsgAnswer::Yes};
    Press();
    EXPECT_TRUE(MovedOn());
    EXPECT_FALSE(w().IsDirty);
    EXPECT_EQ(Stored().substr((GetParam().start - 1) * 34, 4), "1999");
}

TEST_P(SavePromptTest, NoDropsTheChangeAndGoesOn) {
    boxes.answers = {MsgAnswer::No};
    Press();
    EXPECT_TRUE(MovedOn());
    EXPECT_FALSE(w().IsDirty);
    EXPECT_EQ(Stored(), kRec1 + kRec2 + kRec3);
}

INSTANTIATE_TEST_SUITE_P(Commands, SavePromptTest,
                         ::testing::Values(PromptCase{Ed::cmdNext, 1, "2004"},
                                           PromptCase{Ed::cmdPrevious, 2, "2003"},
                                           PromptCase{Ed::cmdClose, 2, ""}));

// --- Adding, deleting, closing ---------------------------------------------------------------

TEST_F(EditorTest, AddThenCloseWithoutTypingLeavesTheFileAlone) {
    Load(kRec1);
    w().Click(Ed::cmdAdd);
    EXPECT_EQ(data.RecordCount, 2);
    EXPECT_EQ(data.CurrentRecord, 2);
    EXPECT_EQ(c(Ed::txtYear).text, "");
    EXPECT_EQ(w().form.focus, Ed::txtYear);
    w().Click(Ed::cmdClose);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(w().loaded());
    EXPECT_FALSE(data.IsOpen());
    EXPECT_EQ(Stored(), kRec1);
    w().Click(Ed::cmdNext);  // a closed window takes no clicks
    EXPECT_EQ(data.CurrentRecord, 2);
}

TEST_F(EditorTest, AddTypeSaveGrowsTheFileByOneRecord) {
    Load(kRec1);
    w().Click(Ed::cmdAdd);
    EnterRecord("2004", "7560", "2960", "4800", "2850", "1675", "10610");
    w().Click(Ed::cmdSave);
    EXPECT_EQ(Stored(), kRec1 + kRec2);
    ExpectNotice("Record Updated.");
}

TEST_F(EditorTest, AnUnsavedAddedPlaceCanBeReachedAgainWithNext) {
    Load(kRec1);
    w().Click(Ed::cmdAdd);
    w().Click(Ed::cmdPrevious);
    EXPECT_EQ(c(Ed::txtYear).text, "2003");
    w().Click(Ed::cmdNext);
    EXPECT_EQ(data.CurrentRecord, 2);
    EXPECT_EQ(c(Ed::txtYear).text, "");
    w().Click(Ed::cmdNext);
    ExpectNotice("No more records.");
}

TEST_F(EditorTest, OnAnEmptyFileTheFirstSaveWritesRecordOne) {
    LoadExisting();
    EXPECT_EQ(c(Ed::txtYear).text, "");
    EnterRecord("2004", "7560", "2960", "4800", "2850", "1675", "10610");
    w().Click(Ed::cmdSave);
    EXPECT_EQ(Stored(), kRec2);
}

TEST_F(EditorTest, OnAnEmptyFileAddThenSaveLeavesRecordOneAsZeroBytes) {
    LoadExisting();
    w().Click(Ed::cmdAdd);
    EnterRecord("2004", "7560", "2960", "4800", "2850", "1675", "10610");
    w().Click(Ed::cmdSave);
    EXPECT_EQ(Stored(), std::string(34, '\0') + kRec2);
}

TEST_F(EditorTest, DeleteInTheTruckWindowChangesOnlyTheTruckFile) {
    WriteBytes(dir / "AutoMax.DAT", kRec1);
    WriteBytes(dir / "Electric.DAT", kRec2);
    Load(kRec1 + kRec3, "TruckMax.DAT");
    w().Click(Ed::cmdDelete);
    EXPECT_EQ(Stored("TruckMax.DAT"), kRec3);
    EXPECT_EQ(Stored("AutoMax.DAT"), kRec1);
    EXPECT_EQ(Stored("Electric.DAT"), kRec2);
    EXPECT_EQ(c(Ed::txtYear).text, "2005");
    ExpectNotice("Record Deleted");
}

TEST_F(EditorTest, DeleteAndAddDoNotAskToSaveAndKeepTheChangeMark) {
    Load(kRec1 + kRec2);
    Enter(Ed::txtYear1, "1");
    boxes.answers = {MsgAnswer::No};
    w().Click(Ed::cmdDelete);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Delete current record?"});
    EXPECT_TRUE(w().IsDirty);
    w().Click(Ed::cmdAdd);
    EXPECT_TRUE(w().IsDirty);
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(EditorTest, EscapeClosesTheWindowAfterTheSavePrompt) {
    Load(kRec1);
    Enter(Ed::txtYear2, "1");
    boxes.answers = {MsgAnswer::No};
    w().PressEscape();
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Save Changes?"});
    EXPECT_FALSE(w().loaded());
    EXPECT_FALSE(data.IsOpen());
    EXPECT_EQ(data.editor, nullptr);
}

TEST_F(EditorTest, AddBeyondTheLargestRecordNumberReportsTheOverflow) {
    Load(kRec1);
    data.RecordCount = std::numeric_limits<std::int32_t>::max();
    w().Click(Ed::cmdAdd);
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown[0].text, "6 Error in cmdAdd. Overflow");
    EXPECT_EQ(boxes.shown[0].buttons, MsgButtons::Ok);
}

}  // namespace
}  // namespace orvane
