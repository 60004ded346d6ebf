#pragma once
// frmAutoMax: the limit editor's logic over its controls. The opener has opened the limit file
// with DataFile::OpenFile; the window pages through it a record at a time and changes, adds,
// saves and deletes records. Toolkit-free: a view forwards clicks, keys and focus changes here
// and paints the controls' state.

#include <string>
#include <string_view>

#include "limits/data_file.h"
#include "limits/limit_editor_controls.h"
#include "platform/services.h"

namespace orvane {

namespace limit_text {
inline constexpr std::string_view kSaveQuestion = "Save Changes?";
inline constexpr std::string_view kNoMoreRecords = "No more records.";
inline constexpr std::string_view kOnlyNumeric = "Only numeric data is allowed.";
inline constexpr std::string_view kYearRequired = "Year is required.";
inline constexpr std::string_view kYearFourDigits = "Year must be 4 digits.";
inline constexpr std::string_view kEnterZero = "Enter zero if rate doesn't apply.";
inline constexpr std::string_view kAmountRequired = "Year amount is required.";
inline constexpr std::string_view kAddError = " Error in cmdAdd. ";
inline constexpr std::string_view kCloseError = " Error in cmdClose. ";
inline constexpr std::string_view kDeleteCmdError = " Error in cmdDelete. ";
inline constexpr std::string_view kSaveError = " Error in cmdSave. ";
inline constexpr std::string_view kNextError = " Error in cmdNext. ";
inline constexpr std::string_view kPreviousError = " Error in cmdPrevious. ";
}  // namespace limit_text

class LimitEditorModel {
  public:
    // `edited_file` is the bare name the opener gave to OpenFile ("TruckMax.DAT"). The window
    // uses the opener's DataFile, its message boxes and the system beep.
    LimitEditorModel(DataFile& data, MessageBoxes& boxes, Beeper& beeper, std::string edited_file);
    ~LimitEditorModel();
    LimitEditorModel(const LimitEditorModel&) = delete;
    LimitEditorModel& operator=(const LimitEditorModel&) = delete;

    // Loads the window: centres it on a screen of the given size (twips), shows record 1 and
    // gives the focus to the first box.
    void Form_Load(int screen_width, int screen_height);

    void cmdNext_Click();
    void cmdPrevious_Click();
    void cmdSave_Click();
    void cmdAdd_Click();
    void cmdDelete_Click();
    void cmdClose_Click();

    // What a person does. Nothing happens while the window is not loaded.
    // A click on a button: the focus moves to it, then its handler runs.
    void Click(EditorCtl button);
    // Esc presses the cancel button.
    void PressEscape();
    // Moves the focus; the box's GotFocus handler runs when the focus arrives.
    void SetFocus(EditorCtl id);
    // Selects part of a box's text (as with the mouse), in characters.
    void Select(EditorCtl box, int start, int length);
    // A character key typed in a box (which takes the focus first): the box's KeyPress handler
    // runs, then the box takes the character unless the handler swallowed it. Backspace is 8.
    // Returns whether the box took the key.
    bool KeyPress(EditorCtl box, char32_t key);
    // Types each character of a UTF-8 text with KeyPress.
    void Type(EditorCtl box, std::string_view text);
    // The Delete key: removes the selection or the character after the caret. It is not a
    // character key, so no KeyPress handler runs.
    void PressDelete(EditorCtl box);

    bool loaded() const { return loaded_; }
    const std::string& edited_file() const { return edited_file_; }
    DataFile& data() { return data_; }

    LimitEditorControls controls;
    bool IsDirty = false;
    bool SaveSucceeded = false;

  private:
    void ResetStatus();
    void ErrorStatus(std::string_view text);
    void NoticeStatus(std::string_view text);
    // Swallows (sets to 0) any key but Backspace, the point and the digits.
    void CheckNumericKey(char32_t& key);
    // Asks "Save Changes?" when the record was changed; false stops the command.
    bool SavePrompt();
    // The first failing rule turns its label red and shows its message; false when one failed.
    bool Validate();
    void GotFocus(EditorCtl id);
    // The box's own handling of a character it receives.
    bool EditBox(EditorCtl box, char32_t key);
    void Unload();

    DataFile& data_;
    MessageBoxes& boxes_;
    Beeper& beeper_;
    std::string edited_file_;
    bool loaded_ = false;
};

// The window caption a Tools menu entry gives the editor of `file_name`.
std::string_view EditorCaptionFor(std::string_view file_name);

}  // namespace orvane
