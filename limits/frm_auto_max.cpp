#include "limits/frm_auto_max.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "limits/ansi.h"

namespace orvane {
namespace {

constexpr char32_t kBackspace = 8;

// The boxes that keep to digits and points and mark the record as changed.
bool IsNumericBox(Ed id) {
    return id == Ed::txtYear || id == Ed::txtYear1 || id == Ed::txtYear2 || id == Ed::txtYear3 ||
           id == Ed::txtYear4;
}

bool IsBox(Ed id) {
    return id < Ed::kCount && Design(id).kind == Kind::TextBox;
}
bool IsButton(Ed id) {
    return id < Ed::kCount && Design(id).kind == Kind::Button;
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

FrmAutoMax::FrmAutoMax(DataFile& data, MessageBoxes& boxes, Beeper& beeper, std::string edited_file)
    : data_(data), boxes_(boxes), beeper_(beeper), edited_file_(std::move(edited_file)) {}

FrmAutoMax::~FrmAutoMax() {
    Unload();
}

void FrmAutoMax::Unload() {
    if (data_.editor == &form) data_.editor = nullptr;
    loaded_ = false;
}

void FrmAutoMax::Form_Load(int screen_width, int screen_height) {
    loaded_ = true;
    data_.editor = &form;
    form.left = (screen_width - form.width) / 2;
    form.top = (screen_height - form.height) / 2;
    data_.ShowCurrentRecord();
    // The first box in the tab order takes the focus when the window shows.
    SetFocus(Ed::txtYear);
}

void FrmAutoMax::ResetStatus() {
    Control& status = form[Ed::stbAuto];
    status.text.clear();
    status.fore = kRed;
    status.bold = true;
    for (Ed label : kRecordLabels)
        form[label].fore = kBlack;
}

void FrmAutoMax::ErrorStatus(std::string_view text) {
    Control& status = form[Ed::stbAuto];
    status.fore = kRed;
    status.bold = true;
    status.text = std::string(text);
}

void FrmAutoMax::NoticeStatus(std::string_view text) {
    Control& status = form[Ed::stbAuto];
    status.fore = kBlue;
    status.bold = false;
    status.text = std::string(text);
}

void FrmAutoMax::CheckNumericKey(char32_t& key) {
    if (key == kBackspace || key == U'.' || (key >= U'0' && key <= U'9')) return;
    key = 0;
    beeper_.Beep();
    ErrorStatus(limit_text::kOnlyNumeric);
}

bool FrmAutoMax::SavePrompt() {
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

bool FrmAutoMax::Validate() {
    struct Rule {
        Ed box;
        Ed label;
        std::string_view message;
    };
    auto fail = [&](const Rule& rule) {
        form[rule.label].fore = kRed;
        ErrorStatus(rule.message);
        SaveSucceeded = false;
        SetFocus(rule.box);
        return false;
    };
    if (form[Ed::txtYear].text.empty()) {
        return fail({Ed::txtYear, Ed::lblYear, limit_text::kYearRequired});
    }
    if (CharCount(form[Ed::txtYear].text) != 4) {
        return fail({Ed::txtYear, Ed::lblYear, limit_text::kYearFourDigits});
    }
    const Rule amounts[] = {
        {Ed::txtYear0, Ed::lblYear0, limit_text::kEnterZero},
        {Ed::txtYear1, Ed::lblYear1, limit_text::kAmountRequired},
        {Ed::txtYear2, Ed::lblYear2, limit_text::kAmountRequired},
        {Ed::txtYear3, Ed::lblYear3, limit_text::kAmountRequired},
        {Ed::txtYear4, Ed::lblYear4, limit_text::kAmountRequired},
    };
    for (const Rule& rule : amounts) {
        if (form[rule.box].text.empty()) return fail(rule);
    }
    return true;
}

void FrmAutoMax::cmdNext_Click() {
    auto trap = ErrorTrap::Numbered(boxes_, limit_text::kNextError);
    form[Ed::stbAuto].text.clear();
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

void FrmAutoMax::cmdPrevious_Click() {
    auto trap = ErrorTrap::Numbered(boxes_, limit_text::kPreviousError);
    form[Ed::stbAuto].text.clear();
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

void FrmAutoMax::cmdSave_Click() {
    auto trap = ErrorTrap::Numbered(boxes_, limit_text::kSaveError);
    SaveSucceeded = true;
    ResetStatus();
    if (!Validate()) return;
    trap.Run([&] { data_.SaveCurrentRecord(); });
    IsDirty = false;
}

void FrmAutoMax::cmdAdd_Click() {
    auto trap = ErrorTrap::Numbered(boxes_, limit_text::kAddError);
    ResetStatus();
    trap.Run([&] { data_.RecordCount = Step(data_.RecordCount, 1); });
    data_.RecordBuffer = VehicleLimitRecord{};
    data_.RecordBuffer.FirstYearBonus30Max.assign(1, '0');
    data_.CurrentRecord = data_.RecordCount;
    trap.Run([&] { data_.ShowCurrentRecord(); });
    SetFocus(Ed::txtYear);
}

void FrmAutoMax::cmdDelete_Click() {
    auto trap = ErrorTrap::Numbered(boxes_, limit_text::kDeleteCmdError);
    form[Ed::stbAuto].text.clear();
    trap.Run([&] { data_.Delete(edited_file_); });
}

void FrmAutoMax::cmdClose_Click() {
    auto trap = ErrorTrap::Numbered(boxes_, limit_text::kCloseError);
    form[Ed::stbAuto].text.clear();
    if (!SavePrompt()) return;
    trap.Run([&] { data_.CloseFile(); });
    Unload();
}

void FrmAutoMax::Click(Ed button) {
    if (!loaded_ || !IsButton(button) || !form[button].enabled) return;
    SetFocus(button);
    switch (button) {
        case Ed::cmdNext:
            cmdNext_Click();
            break;
        case Ed::cmdPrevious:
            cmdPrevious_Click();
            break;
        case Ed::cmdDelete:
            cmdDelete_Click();
            break;
        case Ed::cmdAdd:
            cmdAdd_Click();
            break;
        case Ed::cmdSave:
            cmdSave_Click();
            break;
        case Ed::cmdClose:
            cmdClose_Click();
            break;
        default:
            break;
    }
}

void FrmAutoMax::PressEscape() {
    if (!loaded_) return;
    cmdClose_Click();
}

void FrmAutoMax::SetFocus(Ed id) {
    if (!loaded_ || id >= Ed::kCount || Design(id).tab_index < 0) return;
    if (form.focus == id) return;
    form.focus = id;
    GotFocus(id);
}

void FrmAutoMax::GotFocus(Ed id) {
    if (!IsNumericBox(id)) return;
    Control& box = form[id];
    box.sel_start = 0;
    box.sel_length = CharCount(box.text);
}

void FrmAutoMax::Select(Ed box, int start, int length) {
    if (!loaded_ || !IsBox(box)) return;
    SetFocus(box);
    Control& c = form[box];
    const int size = CharCount(c.text);
    c.sel_start = std::clamp(start, 0, size);
    c.sel_length = std::clamp(length, 0, size - c.sel_start);
}

bool FrmAutoMax::KeyPress(Ed box, char32_t key) {
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

void FrmAutoMax::Type(Ed box, std::string_view text) {
    for (char32_t key : Utf8ToCodePoints(text))
        KeyPress(box, key);
}

bool FrmAutoMax::EditBox(Ed box, char32_t key) {
    Control& c = form[box];
    std::u32string text = Utf8ToCodePoints(c.text);
    const int size = static_cast<int>(text.size());
    int start = std::clamp(c.sel_start, 0, size);
    int length = std::clamp(c.sel_length, 0, size - start);
    if (key == kBackspace) {
        if (length == 0) {
            if (start == 0) return true;
            --start;
            length = 1;
        }
        text.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
    } else {
        // A single-line box takes no other control characters.
        if (key < 0x20 || key == 0x7F || key > 0x10FFFF || (key >= 0xD800 && key <= 0xDFFF)) {
            return false;
        }
        const int limit = Design(box).max_length;
        if (limit > 0 && size - length + 1 > limit) return false;
        text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(length), 1, key);
        ++start;
    }
    c.text = CodePointsToUtf8(text);
    c.sel_start = start;
    c.sel_length = 0;
    return true;
}

void FrmAutoMax::PressDelete(Ed box) {
    if (!loaded_ || !IsBox(box)) return;
    SetFocus(box);
    Control& c = form[box];
    std::u32string text = Utf8ToCodePoints(c.text);
    const int size = static_cast<int>(text.size());
    int start = std::clamp(c.sel_start, 0, size);
    int length = std::clamp(c.sel_length, 0, size - start);
    if (length == 0 && start < size) length = 1;
    text.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
    c.text = CodePointsToUtf8(text);
    c.sel_start = start;
    c.sel_length = 0;
}

}  // namespace orvane
