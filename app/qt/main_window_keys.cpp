// The keys at the main window: each key's code for the window's KeyDown and KeyUp handlers, and
// what the Qt window does with a key press and release before and after the model has it.

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/qt/main_window_view.h"

namespace orvane::qt {
namespace {

// The key codes of the window's KeyDown and KeyUp handlers (US keyboard), of the keys that are
// not a letter, a digit or a function key; a shifted key keeps the code of its key.
struct KeyRow {
    Qt::Key key;
    int code;
    int keypad_code;  // on the numeric keypad; 0: as elsewhere
};
constexpr KeyRow kKeyCodes[] = {
    {Qt::Key_Backspace, key::kBack, 0},
    {Qt::Key_Tab, key::kTab, 0},
    {Qt::Key_Backtab, key::kTab, 0},
    {Qt::Key_Return, key::kReturn, 0},
    {Qt::Key_Enter, key::kReturn, 0},
    {Qt::Key_Shift, key::kShift, 0},
    {Qt::Key_Control, 17, 0},
    {Qt::Key_Alt, 18, 0},
    {Qt::Key_Escape, 27, 0},
    {Qt::Key_Space, 32, 0},
    {Qt::Key_PageUp, 33, 0},
    {Qt::Key_PageDown, 34, 0},
    {Qt::Key_End, key::kEnd, 0},
    {Qt::Key_Home, key::kHome, 0},
    {Qt::Key_Left, key::kLeft, 0},
    {Qt::Key_Up, 38, 0},
    {Qt::Key_Right, key::kRight, 0},
    {Qt::Key_Down, 40, 0},
    {Qt::Key_Insert, 45, 0},
    {Qt::Key_Delete, key::kDelete, 0},
    {Qt::Key_Period, key::kPoint, 110},
    {Qt::Key_Greater, key::kPoint, 0},
    {Qt::Key_Comma, 188, 0},
    {Qt::Key_Less, 188, 0},
    {Qt::Key_Minus, 189, 109},
    {Qt::Key_Underscore, 189, 0},
    {Qt::Key_Plus, 187, 107},
    {Qt::Key_Equal, 187, 0},
    {Qt::Key_Asterisk, '8', 106},
    {Qt::Key_Slash, 191, 111},
    {Qt::Key_Question, 191, 0},
    {Qt::Key_Semicolon, 186, 0},
    {Qt::Key_Colon, 186, 0},
    {Qt::Key_Exclam, '1', 0},
    {Qt::Key_At, '2', 0},
    {Qt::Key_NumberSign, '3', 0},
    {Qt::Key_Dollar, '4', 0},
    {Qt::Key_Percent, '5', 0},
    {Qt::Key_AsciiCircum, '6', 0},
    {Qt::Key_Ampersand, '7', 0},
    {Qt::Key_ParenLeft, '9', 0},
    {Qt::Key_ParenRight, '0', 0},
};

int KeyCode(const QKeyEvent* e) {
    const int k = e->key();
    const bool keypad = e->modifiers().testFlag(Qt::KeypadModifier);
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return 'A' + (k - Qt::Key_A);
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return (keypad ? 96 : '0') + (k - Qt::Key_0);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return 112 + (k - Qt::Key_F1);
    for (const KeyRow& row : kKeyCodes) {
        if (row.key == k) return keypad && row.keypad_code != 0 ? row.keypad_code : row.code;
    }
    return 0;
}

// The keys with which the grid moves its own cell and selection.
bool GridMovesItself(const QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            return e->matches(QKeySequence::SelectAll);
    }
}

}  // namespace

void MainWindowView::OnHelpKey(MainCtl id) {
    int topic = 0;
    for (MainCtl c = id; c != MainCtl::None && topic == 0; c = Design(c).parent)
        topic = Design(c).help_topic;
    commands_.HelpTopic(topic);
}

bool MainWindowView::OnKeyPress(MainCtl id, QKeyEvent* e) {
    const int k = e->key();
    const auto mods = e->modifiers();
    const bool ctrl = mods.testFlag(Qt::ControlModifier);
    const bool alt = mods.testFlag(Qt::AltModifier);
    const Kind kind = Design(id).kind;
    const bool list = kind == Kind::ComboList || kind == Kind::ComboEdit;

    // The list opens itself (Alt+Down, F4); showPopup() tells the model.
    if (list && (k == Qt::Key_F4 || (alt && (k == Qt::Key_Down || k == Qt::Key_Up)))) {
        return false;
    }
    if (kind == Kind::Grid) {
        if (e->matches(QKeySequence::Copy)) {
            CopySchedule(false);
            return true;
        }
        if (GridMovesItself(e)) return false;
    }
    if (IsTextEntry(kind) && OnEditingKey(id, e)) return true;
    const bool arrow =
        k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_Left || k == Qt::Key_Right;
    if (kind == Kind::Option && arrow && !ctrl && !alt) {
        StepOption(id, k == Qt::Key_Up || k == Qt::Key_Left ? -1 : 1);
        return true;
    }

    view_->Act([&] {
        // A key goes to the control that shows the focus.
        if (model_.controls().focus() != id) model_.Focus(id);
        if ((k == Qt::Key_Tab || k == Qt::Key_Backtab) && !ctrl && !alt) {
            model_.Tab(k == Qt::Key_Backtab || mods.testFlag(Qt::ShiftModifier));
            return;
        }
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            // A focused button takes Enter itself; elsewhere Enter presses Calculate.
            if (kind == Kind::Button) {
                model_.Click(id);
            } else {
                model_.PressEnter();
            }
            return;
        }
        const int code = KeyCode(e);
        model_.KeyDown(code);
        down_[k] = id;
        if (list && !alt && (k == Qt::Key_Up || k == Qt::Key_Down)) {
            // The arrows step through a closed list, as choosing the entry would.
            const Control& c = model_.controls()[id];
            int next = c.list_index + (k == Qt::Key_Down ? 1 : -1);
            if (c.list_index < 0 && k == Qt::Key_Down) next = 0;
            model_.ChooseItem(id, next);
            return;
        }
        if (k == Qt::Key_Delete || alt) return;  // Delete types no character
        if (k == Qt::Key_Backspace) {
            model_.KeyPress(8);
            return;
        }
        // Every character the key types: Description keeps what is not ASCII.
        for (char32_t ch : e->text().toUcs4()) {
            if (ch != 0) model_.KeyPress(ch);
        }
    });
    return true;
}

// The editing keys of a text field that pass no character the filters would refuse:
// selecting, and cutting, copying and pasting through the clipboard.
bool MainWindowView::OnEditingKey(MainCtl id, QKeyEvent* e) {
    if (e->matches(QKeySequence::Copy)) {
        CopySelection(id);
        return true;
    }
    if (e->matches(QKeySequence::Cut)) {
        CutSelection(id);
        return true;
    }
    if (e->matches(QKeySequence::Paste)) {
        PasteClipboard();
        return true;
    }
    if (e->matches(QKeySequence::SelectAll)) {
        SelectWholeText(id);
        return true;
    }
    const int k = e->key();
    const auto mods = e->modifiers() & ~Qt::KeypadModifier;
    const bool moves =
        k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Home || k == Qt::Key_End;
    if (!moves || mods != Qt::ShiftModifier) return false;
    // Shift with a caret key stretches the selection from where it started.
    auto* edit = qobject_cast<QLineEdit*>(control(id));
    if (edit == nullptr) edit = static_cast<QComboBox*>(control(id))->lineEdit();
    const QString text = edit->text();
    const int caret = CharsBefore(text, edit->cursorPosition());
    int anchor = caret;
    if (edit->hasSelectedText()) {
        const int first = CharsBefore(text, edit->selectionStart());
        const int last = CharsBefore(text, edit->selectionEnd());
        anchor = caret == first ? last : first;
    }
    const int length = CharsBefore(text, static_cast<int>(text.size()));
    int to = caret;
    if (k == Qt::Key_Left) to = std::max(0, caret - 1);
    if (k == Qt::Key_Right) to = std::min(length, caret + 1);
    if (k == Qt::Key_Home) to = 0;
    if (k == Qt::Key_End) to = length;
    view_->Act([&] {
        model_.KeyDown(KeyCode(e));
        down_[k] = id;
        model_.Select(id, std::min(anchor, to), std::abs(to - anchor));
        // The widget keeps the caret at the moving end.
        const QSignalBlocker block(edit);
        edit->setSelection(UnitsBefore(text, anchor),
                           UnitsBefore(text, to) - UnitsBefore(text, anchor));
    });
    return true;
}

bool MainWindowView::OnKeyRelease(QKeyEvent* e) {
    if (e->isAutoRepeat()) return true;
    // Only a key that went down in this same control comes up in it: Tab, Enter and the access
    // keys were taken by the window, and a key whose press moved the focus on (Alt before an
    // access key) is not released into the next control.
    const auto it = down_.find(e->key());
    if (it == down_.end()) return true;
    const MainCtl pressed_in = it->second;
    down_.erase(it);
    if (model_.controls().focus() != pressed_in) return true;
    const int code = KeyCode(e);
    view_->Act([&] { model_.KeyUp(code); });
    return true;
}

// An arrow key in an option group moves to the next usable option of the group and chooses
// it, as a click would.

}  // namespace orvane::qt
