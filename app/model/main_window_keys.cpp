// What a person does at the main window: lists opened and chosen, the focus moved, Tab and
// Enter, and the keys and pastes of the boxes, each run through the window's handlers.

#include <algorithm>
#include <array>
#include <cctype>

#include "app/model/main_window_model.h"
#include "controls/edit_buffer.h"

namespace orvane {
namespace {

// Tab and Enter leave the keys of the box: they move the focus or press a button.
bool IsTabOrEnter(char32_t ch) {
    return ch == '\t' || ch == '\r' || ch == '\n';
}

// The controls that have a tab stop and can take the focus, in tab order.
struct TabOrder {
    std::array<MainCtl, kControlCount> ids{};
    int count = 0;
};

const TabOrder& TabStops() {
    static const TabOrder order = [] {
        TabOrder o;
        for (int i = 0; i < kControlCount; ++i) {
            auto id = static_cast<MainCtl>(i);
            const MainControlDesign& d = Design(id);
            if (d.tab_index >= 0 && CanTakeFocus(d.kind)) o.ids[o.count++] = id;
        }
        std::sort(o.ids.begin(), o.ids.begin() + o.count,
                  [](MainCtl a, MainCtl b) { return Design(a).tab_index < Design(b).tab_index; });
        return o;
    }();
    return order;
}

// The outcome of several events in a row: a fault in any of them counts.
Outcome Worst(std::initializer_list<Outcome> outcomes) {
    Outcome worst = Outcome::Done;
    for (Outcome o : outcomes) {
        if (o == Outcome::Faulted) return o;
        if (o == Outcome::NotPossible) worst = o;
    }
    return worst;
}

}  // namespace

Outcome MainWindowModel::OpenList(MainCtl list) {
    return Guarded([&] { return OpenListNow(list); });
}

bool MainWindowModel::OpenListNow(MainCtl list) {
    if (list == MainCtl::None || !controls_.Usable(list)) return false;
    Kind kind = Design(list).kind;
    if (kind != Kind::ComboList && kind != Kind::ComboEdit) return false;
    controls_.SetFocus(list);
    List_DropDown(list);
    return true;
}

Outcome MainWindowModel::ChooseItem(MainCtl list, int index) {
    return Guarded([&] { return ChooseItemNow(list, index); });
}

bool MainWindowModel::ChooseItemNow(MainCtl list, int index) {
    if (list == MainCtl::None || !controls_.Usable(list)) return false;
    const Control& c = controls_[list];
    if (index < 0 || index >= static_cast<int>(c.items.size())) return false;
    if (controls_.focus() != list) controls_.SetFocus(list);
    controls_.SetListIndex(list, index);
    return true;
}

Outcome MainWindowModel::Focus(MainCtl id) {
    return Guarded([&] { return FocusNow(id); });
}

bool MainWindowModel::FocusNow(MainCtl id) {
    if (id == MainCtl::None || !controls_.Usable(id) || !CanTakeFocus(Design(id).kind))
        return false;
    controls_.SetFocus(id);
    return true;
}

Outcome MainWindowModel::Tab(bool backwards) {
    return Guarded([&] { return TabNow(backwards), true; });
}

void MainWindowModel::TabNow(bool backwards) {
    // The tab stops are the controls of the tab order that can take the focus now, of an option
    // group only the selected button. The focus goes to the first of them after the focused
    // control's place in the order (backwards: before it), round the end.
    const TabOrder& order = TabStops();
    const MainCtl focus = controls_.focus();
    const int from = focus == MainCtl::None ? -1 : Design(focus).tab_index;
    const int n = order.count;
    int place = 0;  // the stops before `place` come before the focused control
    while (place < n && Design(order.ids[place]).tab_index < from)
        ++place;
    if (!backwards && place < n && order.ids[place] == focus) ++place;
    for (int k = 0; k < n; ++k) {
        const int i = backwards ? (place - 1 - k + 2 * n) % n : (place + k) % n;
        const MainCtl id = order.ids[i];
        if (!controls_.Usable(id)) continue;
        if (Design(id).kind == Kind::Option && controls_[id].value == 0) continue;
        controls_.SetFocus(id);
        return;
    }
}

Outcome MainWindowModel::PressEnter() {
    return Guarded([&] { return PressEnterNow(), true; });
}

void MainWindowModel::PressEnterNow() {
    if (controls_.Usable(MainCtl::cmdCalculate)) cmdCalculate_Click();
}

bool MainWindowModel::KeyFiltered(MainCtl id) const {
    return id == MainCtl::txtCost || id == MainCtl::txtSalesPrice ||
           id == MainCtl::txtAdjTaxBasis || id == MainCtl::txtBusinessPercent ||
           id == MainCtl::cboLife;
}

Outcome MainWindowModel::KeyDown(int code) {
    return Guarded([&] { return KeyDownNow(code), true; });
}

void MainWindowModel::KeyDownNow(int code) {
    MainCtl id = controls_.focus();
    if (id == MainCtl::None) return;
    if (id == MainCtl::txtCost || id == MainCtl::txtBusinessPercent ||
        id == MainCtl::txtInService) {
        depr_.ShowStatus("");
    }
    const Kind kind = Design(id).kind;
    if (!IsTextEntry(kind)) return;
    Control& c = controls_[id];
    EditBuffer edit(c, Design(id).max_length);
    switch (code) {
        case key::kLeft:
            return edit.Left();
        case key::kRight:
            return edit.Right();
        case key::kHome:
            return edit.Home();
        case key::kEnd:
            return edit.End();
        case key::kDelete:
            if (kind == Kind::MaskBox) return MaskedMonthBuffer(c).Delete();
            edit.Delete();
            if (kind == Kind::ComboEdit) c.list_index = -1;
            return;
        default:
            return;
    }
}

Outcome MainWindowModel::KeyPress(char32_t ch) {
    return Guarded([&] { return KeyPressNow(ch), true; });
}

void MainWindowModel::KeyPressNow(char32_t ch) {
    MainCtl id = controls_.focus();
    if (id == MainCtl::None) return;
    Kind kind = Design(id).kind;
    if (KeyFiltered(id)) {
        bool passes = ch == '.' || ch <= 31 || (ch >= '0' && ch <= '9');
        if (!passes) {
            if (services_.beeper) services_.beeper->Beep();
            return;
        }
    }
    Control& c = controls_[id];
    if (kind == Kind::ComboList) {
        // A typed letter selects the next entry that starts with it.
        int n = static_cast<int>(c.items.size());
        for (int k = 1; k <= n; ++k) {
            int i = (c.list_index + k + n) % n;
            if (!c.items[i].empty() && ch < 0x80 &&
                std::toupper(static_cast<unsigned char>(c.items[i][0])) ==
                    std::toupper(static_cast<int>(ch))) {
                controls_.SetListIndex(id, i);
                break;
            }
        }
        return;
    }
    if ((kind == Kind::Button || kind == Kind::CheckBox || kind == Kind::Option) && ch == ' ') {
        Click(id);
        return;
    }
    if (!IsTextEntry(kind)) return;
    if (kind == Kind::MaskBox) {
        MaskedMonthBuffer month(c);
        if (ch == 8) {
            month.Backspace();
        } else {
            month.Type(ch);
        }
        return;
    }
    EditBuffer edit(c, Design(id).max_length);
    if (ch == 8) {
        edit.Backspace();
    } else if (!edit.Type(ch)) {
        return;  // a control character, or the length limit
    }
    if (kind == Kind::ComboEdit) c.list_index = -1;
}

void MainWindowModel::InsertText(MainCtl id, std::string_view text) {
    Control& c = controls_[id];
    EditBuffer(c, Design(id).max_length).Insert(text);
    if (Design(id).kind == Kind::ComboEdit) c.list_index = -1;
}

Outcome MainWindowModel::KeyUp(int code) {
    return Guarded([&] { return KeyUpNow(code), true; });
}

void MainWindowModel::KeyUpNow(int code, bool status_stays) {
    (void)code;
    MainCtl id = controls_.focus();
    switch (id) {
        case MainCtl::txtCost:
        case MainCtl::txtSalesPrice:
        case MainCtl::txtAdjTaxBasis:
            controls_[MainCtl::stbMain].fore = kBlue;
            if (status_stays) depr_.ShowStatus(FormatText(controls_[id].text, Pattern::Whole));
            break;
        case MainCtl::cboLife:
            cboLife_KeyUp();
            break;
        default:
            break;
    }
}

Outcome MainWindowModel::Type(char32_t ch) {
    return TypeKey(ch, true);
}

Outcome MainWindowModel::TypeKey(char32_t ch, bool status_stays) {
    if (IsTabOrEnter(ch)) return ch == '\t' ? Tab() : PressEnter();
    int code = ch < 0x80 ? key::CodeOf(static_cast<char>(ch)) : 0;
    Outcome down = KeyDown(code);
    Outcome press = KeyPress(ch);
    Outcome up = Guarded([&] { return KeyUpNow(code, status_stays), true; });
    return Worst({down, press, up});
}

Outcome MainWindowModel::TypeText(std::string_view text) {
    Outcome result = Outcome::Done;
    for (std::size_t at = 0; at < text.size();) {
        const char32_t ch = utf8::Next(text, at);
        // The amount that a key's KeyUp shows on the status line is written over by the next
        // key's KeyDown or KeyUp when that key is typed into the same box (nothing between
        // reads it, and the formatting cannot fail): only the last of a run is formatted.
        const bool status_stays = at == text.size() || IsTabOrEnter(text[at]);
        result = Worst({result, TypeKey(ch, status_stays)});
    }
    return result;
}

Outcome MainWindowModel::Paste(std::string_view text) {
    MainCtl id = controls_.focus();
    if (id == MainCtl::None) return Outcome::NotPossible;
    Kind kind = Design(id).kind;
    if (kind == Kind::MaskBox) {
        Outcome result = Outcome::Done;
        for (char ch : text) {
            if ((ch >= '0' && ch <= '9') || ch == '/') result = Worst({result, KeyPress(ch)});
        }
        return result;
    }
    if (kind != Kind::TextBox && kind != Kind::ComboEdit) return Outcome::NotPossible;
    // Ctrl+V: its key events, with the text arriving between them.
    Outcome down = KeyDown('V');
    Outcome press = KeyPress(22);  // Ctrl+V passes the character filter
    Outcome insert = Guarded([&] { return InsertText(id, text), true; });
    Outcome up = KeyUp('V');
    return Worst({down, press, insert, up});
}

void MainWindowModel::Select(MainCtl id, int start, int length) {
    EditBuffer(controls_[id]).Select(start, length);
}

Outcome MainWindowModel::Cut() {
    return Guarded([&] {
        const MainCtl id = controls_.focus();
        if (id == MainCtl::None || !IsTextEntry(Design(id).kind)) return false;
        KeyDownNow('X');
        KeyPressNow(24);  // Ctrl+X passes the character filter
        if (controls_.focus() == id && controls_[id].sel_length > 0) KeyDownNow(key::kDelete);
        KeyUpNow('X');
        return true;
    });
}

}  // namespace orvane
