#include "limits/frm_auto_max.h"

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
    void EnterRecord(const std::vector<std::string_view>& texts) {
        for (std::size_t i = 0; i < texts.size(); ++i)
            Enter(kRecordBoxes[i], texts[i]);
    }
    void ExpectStatus(std::string_view text, bool error = false) {
        EXPECT_EQ(c(Ed::stbAuto).text, text);
        EXPECT_EQ(c(Ed::stbAuto).fore, error ? kRed : kBlue);
        EXPECT_EQ(c(Ed::stbAuto).bold, error);
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

TEST_F(EditorTest, LoadShowsRecordOneCentredThenNextAndPreviousStopAtTheEnds) {
    Load(kRec1 + kRec2 + kRec3);
    EXPECT_EQ(w().form.left, (15360 - 4680) / 2);
    EXPECT_EQ(w().form.top, (11520 - 3375) / 2);
    EXPECT_EQ(w().form.caption, "Automobile  Maximun Amounts");
    EXPECT_EQ(c(Ed::txtYear5).text, "10710");
    EXPECT_EQ(w().form.focus, Ed::txtYear);
    EXPECT_EQ(c(Ed::txtYear).sel_start, 0);
    EXPECT_EQ(c(Ed::txtYear).sel_length, 4);
    EXPECT_FALSE(w().IsDirty);
    EXPECT_EQ(w().form.cancel_button, Ed::cmdClose);

    w().Click(Ed::cmdPrevious);
    ExpectStatus("No more records.");
    EXPECT_EQ(c(Ed::txtYear).text, "2003");
    w().Click(Ed::cmdNext);
    EXPECT_EQ(c(Ed::txtYear).text, "2004");
    EXPECT_EQ(c(Ed::stbAuto).text, "");
    w().Click(Ed::cmdNext);
    w().Click(Ed::cmdNext);
    ExpectStatus("No more records.");
    EXPECT_EQ(c(Ed::txtYear).text, "2005");
    EXPECT_EQ(data.CurrentRecord, 3);
    w().Click(Ed::cmdPrevious);
    EXPECT_EQ(c(Ed::txtYear).text, "2004");
    EXPECT_TRUE(boxes.shown.empty());
}

// --- Keys ------------------------------------------------------------------------------------

struct BoxCase {
    Ed box;
    bool numeric;
    const char* too_long;  // typed over the box; nullptr: not tried
    const char* kept;
};
class BoxKeyTest : public EditorTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(BoxKeyTest, NumericBoxesSelectAllOnEntryAndRefuseLettersWithABeep) {
    const auto& [box, numeric, too_long, kept] = GetParam();
    Load(kRec1);
    w().SetFocus(Ed::cmdNext);
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
        EXPECT_EQ(c(Ed::stbAuto).text, "");  // the next good key clears the message
        EXPECT_TRUE(w().KeyPress(box, U'.'));
        EXPECT_EQ(c(box).text, before.substr(0, before.size() - 1) + ".");
        EXPECT_EQ(beeper.beeps, 1);
    } else {
        // Any character, silently, without marking the record: Next drops the change unasked.
        Enter(box, "n/a");
        EXPECT_EQ(c(box).text, "n/a");
        EXPECT_EQ(beeper.beeps, 0);
        EXPECT_FALSE(w().IsDirty);
        w().Click(Ed::cmdNext);
        EXPECT_TRUE(boxes.shown.empty());
        EXPECT_EQ(Stored(), kRec1);
    }
    if (too_long != nullptr) {
        Enter(box, too_long);
        EXPECT_EQ(c(box).text, kept);
    }
}

INSTANTIATE_TEST_SUITE_P(Boxes, BoxKeyTest,
                         ::testing::Values(BoxCase{Ed::txtYear, true, "20045", "2004"},
                                           BoxCase{Ed::txtYear0, false, "abcdefghi", "abcdefg"},
                                           BoxCase{Ed::txtYear1, true, "123456789", "1234567"},
                                           BoxCase{Ed::txtYear2, true, nullptr, nullptr},
                                           BoxCase{Ed::txtYear3, true, nullptr, nullptr},
                                           BoxCase{Ed::txtYear4, true, "123456789", "123456789"},
                                           BoxCase{Ed::txtYear5, false, "123456789", "123456789"}));

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
    EnterRecord({"2006", "0", "2960", "4800", "2850", "1775", "0"});
    Enter(r.box, r.text);
    w().Click(Ed::cmdSave);
    if (r.label == Ed::None) {
        EXPECT_TRUE(w().SaveSucceeded);
        EXPECT_FALSE(w().IsDirty);
        ExpectStatus("Record Updated.");
        EXPECT_TRUE(RedLabels().empty());
        EXPECT_NE(Stored(), kRec1 + kRec2);
        return;
    }
    EXPECT_FALSE(w().SaveSucceeded);
    ExpectStatus(r.message, true);
    EXPECT_EQ(RedLabels(), std::vector<Ed>{r.label});
    EXPECT_EQ(w().form.focus, r.box);
    EXPECT_EQ(Stored(), kRec1 + kRec2);
    // The next save starts with black labels again.
    Enter(r.box, r.box == Ed::txtYear ? "2006" : "1");
    w().Click(Ed::cmdSave);
    EXPECT_TRUE(RedLabels().empty());
    ExpectStatus("Record Updated.");
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

struct SaveCase {
    std::string stored;
    Ed command;  // clicked before typing, Ed::None for none
    const char* b50;
    std::string expected;
};
class SaveTest : public EditorTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveTest, WritesTheBoxesIntoTheRecordAtItsPlace) {
    const SaveCase& s = GetParam();
    Load(s.stored);
    if (s.command != Ed::None) w().Click(s.command);
    EnterRecord({"2004", "7560", "2960", "4800", "2850", "1675", s.b50});
    w().Click(Ed::cmdSave);
    EXPECT_EQ(Stored(), s.expected);
    ExpectStatus("Record Updated.");
}

INSTANTIATE_TEST_SUITE_P(
    Places, SaveTest,
    ::testing::Values(SaveCase{kRec1 + kRec2, Ed::cmdNext, "",
                               kRec1 + Rec("2004", "7560", "2960", "4800", "2850", "1675", "")},
                      SaveCase{kRec1, Ed::cmdAdd, "10610", kRec1 + kRec2},  // grows by one record
                      SaveCase{"", Ed::None, "10610", kRec2},  // an empty file shows record 1
                      SaveCase{"", Ed::cmdAdd, "10610", std::string(34, '\0') + kRec2}));

// --- The save prompt -------------------------------------------------------------------------

struct PromptCase {
    Ed button;
    int start;          // record shown when the year is changed
    const char* moved;  // year shown after going on ("" when the window closes)
};
class SavePromptTest : public EditorTest,
                       public ::testing::WithParamInterface<std::tuple<PromptCase, bool>> {};

// Cancel stays and asks again; Yes with a missing amount stays with the message; then Yes saves
// or No drops the change, and either goes on.
TEST_P(SavePromptTest, CancelStaysYesSavesNoDrops) {
    const auto& [button, start, moved] = std::get<0>(GetParam());
    const bool yes = std::get<1>(GetParam());
    const std::string before = kRec1 + kRec2 + kRec3;
    Load(before);
    while (data.CurrentRecord < start)
        w().Click(Ed::cmdNext);
    Enter(Ed::txtYear, "1999");
    Enter(Ed::txtYear1, "");
    boxes.answers = {MsgAnswer::Cancel, MsgAnswer::Cancel, MsgAnswer::Yes,
                     yes ? MsgAnswer::Yes : MsgAnswer::No};
    for (std::size_t asked = 1; asked <= 3; ++asked) {
        w().Click(button);
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>(asked, "Save Changes?"));
        EXPECT_EQ(boxes.shown.back().buttons, MsgButtons::YesNoCancel);
        EXPECT_TRUE(w().loaded());
        EXPECT_EQ(c(Ed::txtYear).text, "1999");
        EXPECT_TRUE(w().IsDirty);
    }
    ExpectStatus("Year amount is required.", true);
    EXPECT_EQ(RedLabels(), std::vector<Ed>{Ed::lblYear1});
    EXPECT_EQ(Stored(), before);

    Enter(Ed::txtYear1, "1");
    w().Click(button);
    EXPECT_EQ(w().loaded() ? c(Ed::txtYear).text : "", moved);
    EXPECT_FALSE(w().IsDirty);
    const std::string year = Stored().substr((start - 1) * 34, 4);
    EXPECT_EQ(yes ? year : Stored(), yes ? "1999" : before);
}

INSTANTIATE_TEST_SUITE_P(Commands, SavePromptTest,
                         ::testing::Combine(::testing::Values(PromptCase{Ed::cmdNext, 1, "2004"},
                                                              PromptCase{Ed::cmdPrevious, 2,
                                                                         "2003"},
                                                              PromptCase{Ed::cmdClose, 2, ""}),
                                            ::testing::Bool()));

// --- Adding, deleting, closing ---------------------------------------------------------------

TEST_F(EditorTest, AnAddedPlaceIsReachedWithNextAndLeftUnwrittenOnClose) {
    Load(kRec1);
    w().Click(Ed::cmdAdd);
    EXPECT_EQ(data.RecordCount, 2);
    EXPECT_EQ(data.CurrentRecord, 2);
    EXPECT_EQ(c(Ed::txtYear).text, "");
    EXPECT_EQ(w().form.focus, Ed::txtYear);
    w().Click(Ed::cmdPrevious);
    EXPECT_EQ(c(Ed::txtYear).text, "2003");
    w().Click(Ed::cmdNext);
    EXPECT_EQ(data.CurrentRecord, 2);
    EXPECT_EQ(c(Ed::txtYear).text, "");
    w().Click(Ed::cmdNext);
    ExpectStatus("No more records.");
    w().Click(Ed::cmdClose);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(w().loaded());
    EXPECT_FALSE(data.IsOpen());
    EXPECT_EQ(Stored(), kRec1);
    w().Click(Ed::cmdNext);  // a closed window takes no clicks
    EXPECT_EQ(data.CurrentRecord, 2);
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
    ExpectStatus("Record Deleted");
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

}  // namespace
}  // namespace orvane
