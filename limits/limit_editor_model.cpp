#include "limits/limit_editor_model.h"

#include <limits>
#include <utility>

#include "base/error_trap.h"
#include "controls/edit_buffer.h"

namespace orvane {
namespace {

constexpr char32_t kBackspace = 8;

// The boxes that keep to digits and points and mark the record as changed.
bool IsNumericBox(EditorCtl id) {
    return id == EditorCtl::txtYear || id == EditorCtl::txtYear1 || id == EditorCtl::txtYear2 ||
           id == EditorCtl::txtYear3 || id == EditorCtl::txtYear4;
}

bool IsBox(EditorCtl id) {
    return id < EditorCtl::kCount && Design(id).kind == Kind::TextBox;
}
bool IsButton(EditorCtl id) {
    return id < EditorCtl::kCount && Design(id).kind == Kind::Button;
}

std::int32_t Step(std::int32_t value, int by) {
    std::int64_t next = static_cast<std::int64_t>(value) + by;
    if (next > std::numeric_limits<std::int32_t>::max() ||
        next < std::numeric_limits<std::int32_t>::min()) {
        Raise(fault::kOverflow);
    }
    return static_cast<std::int32_t>(next);
}

}  // namespace

std::string_view EditorCaptionFor(std::string_view file_name) {
    return file_name == "Electric.DAT" ? kCleanFuelCaption : kAutoMaxCaption;
}

LimitEditorModel::LimitEditorModel(DataFile& data, MessageBoxes& boxes, Beeper& beeper,
                                   std::string edited_file)
    : data_(data), boxes_(boxes), beeper_(beeper), edited_file_(std::move(edited_file)) {}

LimitEditorModel::~LimitEditorModel() {
    Unload();
}

void LimitEditorModel::Unload() {
    if (data_.editor == &controls) data_.editor = nullptr;
    loaded_ = false;
}

void LimitEditorModel::Form_Load(int screen_width, int screen_height) {
    loaded_ = true;
    data_.editor = &controls;
    controls.left = (screen_width - controls.width) / 2;
    controls.top = (screen_height - controls.height) / 2;
    data_.ShowCurrentRecord();
    // The first box in the tab order takes the focus when the window shows.
    SetFocus(EditorCtl::txtYear);
}

void LimitEditorModel::ResetStatus() {
    Control& status = controls[EditorCtl::stbAuto];
    status.text.clear();
    status.fore = kRed;
    status.bold = true;
    for (EditorCtl label : kRecordLabels)
        controls[label].fore = kBlack;
}

void LimitEditorModel::ErrorStatus(std::string_view text) {
    Control& status = controls[EditorCtl::stbAuto];
    status.fore = kRed;
    status.bold = true;
    status.text = std::string(text);
}

void LimitEditorModel::NoticeStatus(std::string_view text) {
    Control& status = controls[EditorCtl::stbAuto];
    status.fore = kBlue;
    status.bold = false;
    status.text = std::string(text);
}

void LimitEditorModel::CheckNumericKey(char32_t& key) {
    if (key == kBackspace || key == U'.' || (key >= U'0' && key <= U'9')) return;
    key = 0;
    beeper_.Beep();
    ErrorStatus(limit_text::kOnlyNumeric);
}

bool LimitEditorModel::SavePrompt() {
    if (!IsDirty) return true;
    switch (boxes_.Show(limit_text::kSaveQuestion, "", MsgButtons::YesNoCancel)) {
        case MsgAnswer::Yes:
            cmdSave_Click();
            if (!SaveSucceeded) return false;
            IsDirty = false;
            return true;
        case MsgAnswer::No:
            IsDirty = false;
            return true;
        default:
            return false;
    }
}

bool LimitEditorModel::Validate() {
    struct Rule {
        EditorCtl box;
        EditorCtl label;
        std::string_view message;
    };
    auto fail = [&](const Rule& rule) {
        controls[rule.label].fore = kRed;
        ErrorStatus(rule.message);
        SaveSucceeded = false;
        SetFocus(rule.box);
        return false;
    };
    if (controls[EditorCtl::txtYear].text.empty()) {
        return fail({EditorCtl::txtYear, EditorCtl::lblYear, limit_text::kYearRequired});
    }
    if (utf8::Count(controls[EditorCtl::txtYear].text) != 4) {
        return fail({EditorCtl::txtYear, EditorCtl::lblYear, limit_text::kYearFourDigits});
    }
    const Rule amounts[] = {
        {EditorCtl::txtYear0, EditorCtl::lblYear0, limit_text::kEnterZero},
        {EditorCtl::txtYear1, EditorCtl::lblYear1, limit_text::kAmountRequired},
        {EditorCtl::txtYear2, EditorCtl::lblYear2, limit_text::kAmountRequired},
        {EditorCtl::txtYear3, EditorCtl::lblYear3, limit_text::kAmountRequired},
        {EditorCtl::txtYear4, EditorCtl::lblYear4, limit_text::kAmountRequired},
    };
    for (const Rule& rule : amounts) {
        if (controls[rule.box].text.empty()) return fail(rule);
    }
    return true;
}

void LimitEditorModel::cmdNext_Click() {
    auto trap = ErrorTrap::Numbered(boxes_, limit_text::kNextError);
    controls[EditorCtl::stbAuto].text.clear();
    if (!SavePrompt()) return;
    ResetStatus();
    if (data_.CurrentRecord != data_.RecordCount) {
        if (trap.Run([&] { data_.CurrentRecord = Step(data_.CurrentRecord, 1); })) {
            trap.Run([&] { data_.ShowCurrentRecord(); });
        }
    } else {
        NoticeStatus(limit_text::kNoMoreRecords);
    }
}

void LimitEditorModel::cmdPrevious_Click() {
    auto trap = ErrorTrap::Numbered(boxes_, limit_text::kPreviousError);
    controls[EditorCtl::stbAuto].text.clear();
    if (!SavePrompt()) return;
    ResetStatus();
    if (data_.CurrentRecord != 1) {
        if (trap.Run([&] { data_.CurrentRecord = Step(data_.CurrentRecord, -1); })) {
            trap.Run([&] { data_.ShowCurrentRecord(); });
        }
    } else {
        NoticeStatus(limit_text::kNoMoreRecords);
    }
}

void LimitEditorModel::cmdSave_Click() {
    auto trap = ErrorTrap::Numbered(boxes_, limit_text::kSaveError);
    SaveSucceeded = true;
    ResetStatus();
    if (!Validate()) return;
    trap.Run([&] { data_.SaveCurrentRecord(); });
    IsDirty = false;
}

void LimitEditorModel::cmdAdd_Click() {
    auto trap = ErrorTrap::Numbered(boxes_, limit_text::kAddError);
    ResetStatus();
    trap.Run([&] { data_.RecordCount = Step(data_.RecordCount, 1); });
    data_.RecordBuffer = VehicleLimitRecord{};
    data_.RecordBuffer.FirstYearBonus30Max.assign(1, '0');
    data_.CurrentRecord = data_.RecordCount;
    trap.Run([&] { data_.ShowCurrentRecord(); });
    SetFocus(EditorCtl::txtYear);
}

void LimitEditorModel::cmdDelete_Click() {
    auto trap = ErrorTrap::Numbered(boxes_, limit_text::kDeleteCmdError);
    controls[EditorCtl::stbAuto].text.clear();
    trap.Run([&] { data_.Delete(edited_file_); });
}

void LimitEditorModel::cmdClose_Click() {
    auto trap = ErrorTrap::Numbered(boxes_, limit_text::kCloseError);
    controls[EditorCtl::stbAuto].text.clear();
    if (!SavePrompt()) return;
    trap.Run([&] { data_.CloseFile(); });
    Unload();
}

void LimitEditorModel::Click(EditorCtl button) {
    if (!loaded_ || !IsButton(button) || !controls[button].enabled) return;
    SetFocus(button);
    switch (button) {
        case EditorCtl::cmdNext:
            cmdNext_Click();
            break;
        case EditorCtl::cmdPrevious:
            cmdPrevious_Click();
            break;
        case EditorCtl::cmdDelete:
            cmdDelete_Click();
            break;
        case EditorCtl::cmdAdd:
            cmdAdd_Click();
            break;
        case EditorCtl::cmdSave:
            cmdSave_Click();
            break;
        case EditorCtl::cmdClose:
            cmdClose_Click();
            break;
        default:
            break;
    }
}

void LimitEditorModel::PressEscape() {
    if (!loaded_) return;
    cmdClose_Click();
}

void LimitEditorModel::SetFocus(EditorCtl id) {
    if (!loaded_ || id >= EditorCtl::kCount || Design(id).tab_index < 0) return;
    if (controls.focus == id) return;
    controls.focus = id;
    GotFocus(id);
}

void LimitEditorModel::GotFocus(EditorCtl id) {
    if (!IsNumericBox(id)) return;
    EditBuffer(controls[id]).SelectAll();
}

void LimitEditorModel::Select(EditorCtl box, int start, int length) {
    if (!loaded_ || !IsBox(box)) return;
    SetFocus(box);
    EditBuffer(controls[box]).Select(start, length);
}

bool LimitEditorModel::KeyPress(EditorCtl box, char32_t key) {
    if (!loaded_ || !IsBox(box)) return false;
    SetFocus(box);
    if (IsNumericBox(box)) {
        IsDirty = true;
        ResetStatus();
        CheckNumericKey(key);
    }
    if (key == 0) return false;
    return EditBox(box, key);
}

void LimitEditorModel::Type(EditorCtl box, std::string_view text) {
    for (char32_t key : utf8::Decode(text))
        KeyPress(box, key);
}

bool LimitEditorModel::EditBox(EditorCtl box, char32_t key) {
    EditBuffer edit(controls[box], Design(box).max_length);
    if (key == kBackspace) {
        edit.Backspace();
        return true;
    }
    return edit.Type(key);
}

void LimitEditorModel::PressDelete(EditorCtl box) {
    if (!loaded_ || !IsBox(box)) return;
    SetFocus(box);
    EditBuffer(controls[box]).Delete();
}

}  // namespace orvane
