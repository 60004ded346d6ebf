#include "app/model/main_window.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

#include "engine/numtext.h"
#include "limits/auto_max_form.h"
#include "limits/vehicle_limit_files.h"

namespace orvane {
namespace {

constexpr std::string_view kMacrs = "MACRS";
constexpr std::string_view kAds = "ADS";
constexpr std::array<std::string_view, 4> kMethods = {"ADS", "Amortize", "MACRS", "Straight Line"};
constexpr std::array<std::string_view, 9> kMacrsLives = {"3",  "5",    "7",    "10", "15",
                                                         "20", "27.5", "31.5", "39"};
constexpr std::array<std::string_view, 8> kAdsLives = {"5", "6", "9", "10", "12", "18", "20", "40"};
constexpr std::array<Ctl, 3> kBonusBoxes = {Ctl::chkBonus, Ctl::chkBonus50, Ctl::chkBonus100};

bool IsTextEntry(Kind k) {
    return k == Kind::TextBox || k == Kind::ComboEdit || k == Kind::MaskBox;
}

bool CanTakeFocus(Kind k) {
    return k != Kind::Label && k != Kind::Frame && k != Kind::Status;
}

// The character places of the masked month "##/####".
bool IsMaskSlot(int pos) {
    return pos >= 0 && pos < 7 && pos != 2;
}

}  // namespace

int key::CodeOf(char ch) {
    if (ch >= 'a' && ch <= 'z') return ch - 'a' + 'A';
    if (ch == '.') return kPoint;
    return static_cast<unsigned char>(ch);
}

MainWindowModel::MainWindowModel(const Services& services)
    : services_(services), depr_(form_, services) {
    form_.events = this;
}

MainWindowModel::MainWindowModel(const MainWindowModel& other)
    : services_(other.services_),
      form_(other.form_),
      depr_(other.depr_),
      commands_(other.commands_),
      editors_(other.editors_) {
    form_.events = this;
    depr_.Rebind(form_);
}

MainWindowModel& MainWindowModel::operator=(const MainWindowModel& other) {
    if (this == &other) return *this;
    services_ = other.services_;
    form_ = other.form_;
    depr_ = other.depr_;
    commands_ = other.commands_;
    editors_ = other.editors_;
    form_.events = this;
    depr_.Rebind(form_);
    return *this;
}

std::string MainWindowModel::MonthText(const Date& d) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d/%04d", d.month % 100, d.year % 10000);
    return buf;
}

// ------------------------------------------------------------------ load, Clear, Calculate

void MainWindowModel::Form_Load() {
    ErrorTrap trap(*services_.messages, "Load Error");
    auto& f = form_;
    trap.Run([&] { depr_.SetGridHeaders(); });
    trap.Run([&] {
        f.ClearList(Ctl::cboMethod);
        for (auto m : kMethods)
            f.AddItem(Ctl::cboMethod, std::string(m));
    });
    CloseBusinessUse();
    f[Ctl::cboClass].enabled = false;
    f[Ctl::cboClass].back = kEntryGrey;
    EnableConventions(false);
    trap.Run([&] { f[Ctl::txtInService].text = MonthText(services_.clock->Today()); });
    f[Ctl::cmdPrint].enabled = false;
    f[Ctl::cmdExport].enabled = false;
    for (Ctl box : kBonusBoxes)
        f[box].enabled = false;
    f[Ctl::optConvention2].enabled = false;
    f.SetOption(Ctl::optAssetType0, true);
    // The window opens with the focus on its first tab stop.
    f.set_focus_silently(Ctl::optAssetType0);
}

void MainWindowModel::EnableConventions(bool enabled) {
    form_[Ctl::fraConvention].enabled = enabled;
    for (Ctl id : {Ctl::optConvention0, Ctl::optConvention1}) {
        form_.SetOption(id, false);
        form_[id].enabled = enabled;
    }
    form_.SetOption(Ctl::optConvention0, true);
}

void MainWindowModel::cmdCalculate_Click() {
    ErrorTrap trap(*services_.messages, "Calculation Error");
    DeprState& s = depr_.state;
    s.new_schedule = true;
    form_[Ctl::stbMain].fore = kRed;
    depr_.ShowStatus("");
    s.method_caption.clear();
    form_.grid.Clear();
    trap.Run([&] { depr_.SetGridHeaders(); });
    trap.Run([&] { depr_.ValidateInputs(); });
    if (s.input_error) return;
    trap.Run([&] { depr_.BuildSchedule(trap); });
}

void MainWindowModel::cmdClear_Click() {
    auto& f = form_;
    depr_.ShowStatus("");
    for (Ctl id : {Ctl::lblCost, Ctl::lblMethod, Ctl::lblLife})
        f[id].fore = kWindowText;
    f[Ctl::cboLife].text.clear();
    f[Ctl::cboLife].list_index = -1;
    f.SetListIndex(Ctl::cboMethod, -1);
    for (Ctl id : {Ctl::txtCost, Ctl::txtBusinessPercent, Ctl::txtDescription})
        f[id].text.clear();
    f[Ctl::txtInService].text = MonthText(services_.clock->Today());
    f[Ctl::mskSold].text = std::string(kBlankMonth);
    f[Ctl::txtSalesPrice].text.clear();
    f[Ctl::txtAdjTaxBasis].text.clear();
    f[Ctl::lblAdjCost].caption.clear();
    f.grid.Clear();
    depr_.SetGridHeaders();
    CloseBusinessUse();
    EnableConventions(false);
    f.SetOption(Ctl::optConvention2, false);
    f[Ctl::optConvention2].enabled = false;
    f[Ctl::cmdPrint].enabled = false;
    f[Ctl::cmdExport].enabled = false;
    f.SetFocus(Ctl::txtCost);
}

// ------------------------------------------------------------------ selection logic

void MainWindowModel::cboMethod_Click() {
    auto& f = form_;
    f.ClearList(Ctl::cboLife);
    f[Ctl::txtBusinessPercent].text.clear();
    EnableConventions(false);
    CloseBusinessUse();
    f.SetListIndex(Ctl::cboClass, -1);
    f[Ctl::cboClass].enabled = false;
    f[Ctl::cboClass].back = kEntryGrey;
    const std::string method = f[Ctl::cboMethod].text;
    if (method == kMacrs) {
        for (auto life : kMacrsLives)
            f.AddItem(Ctl::cboLife, std::string(life));
        EnableConventions(true);
        depr_.LoadMacrsClasses();
        f[Ctl::cboClass].enabled = true;
        f[Ctl::cboClass].back = kWhite;
    } else if (method == kAds) {
        for (auto life : kAdsLives)
            f.AddItem(Ctl::cboLife, std::string(life));
        depr_.LoadAdsClasses();
        EnableConventions(true);
        f[Ctl::cboClass].enabled = true;
        f[Ctl::cboClass].back = kWhite;
    }
    for (Ctl box : kBonusBoxes) {
        f.SetCheck(box, 0);
        f[box].enabled = false;
    }
}

void MainWindowModel::cboClass_Click() {
    depr_.ApplyClassChoice();
}

void MainWindowModel::CloseBusinessUse() {
    form_[Ctl::txtBusinessPercent].enabled = false;
    form_[Ctl::txtBusinessPercent].text.clear();
    form_[Ctl::lblAutoBusiness].enabled = false;
    form_[Ctl::txtBusinessPercent].back = kEntryGrey;
}

void MainWindowModel::BusinessUseFollowsLife() {
    auto& f = form_;
    const std::string& method = f[Ctl::cboMethod].text;
    if (method != kMacrs && method != kAds) return CloseBusinessUse();
    // A life and a class exclude each other.
    f.SetListIndex(Ctl::cboClass, -1);
    if (f[Ctl::cboLife].text != "5") return CloseBusinessUse();
    f[Ctl::txtBusinessPercent].enabled = true;
    f[Ctl::txtBusinessPercent].text = "100";
    f[Ctl::lblAutoBusiness].enabled = true;
    f.SetFocus(Ctl::txtBusinessPercent);
    f[Ctl::txtBusinessPercent].back = kWhite;
}

void MainWindowModel::cboLife_Click() {
    auto& f = form_;
    BusinessUseFollowsLife();
    const std::string& method = f[Ctl::cboMethod].text;
    double life = Val(f[Ctl::cboLife].text);
    depr_.SetMidMonth((method == kMacrs || method == kAds) && life > 27);
    for (Ctl box : kBonusBoxes) {
        if (life < 21 && method == kMacrs) {
            f[box].enabled = true;
        } else {
            f.SetCheck(box, 0);
            f[box].enabled = false;
        }
    }
}

void MainWindowModel::cboLife_KeyUp() {
    depr_.ShowStatus("");
    BusinessUseFollowsLife();
}

void MainWindowModel::List_DropDown(Ctl list) {
    depr_.ShowStatus("");
    const std::string& method = form_[Ctl::cboMethod].text;
    if (list == Ctl::cboClass && (method == kMacrs || method == kAds)) {
        form_[Ctl::cboLife].text.clear();
        form_[Ctl::cboLife].list_index = -1;
    }
}

void MainWindowModel::Bonus_Click(Ctl box) {
    if (form_[box].value == 1) {
        for (Ctl other : kBonusBoxes) {
            if (other != box) form_.SetCheck(other, 0);
        }
        depr_.UpdateAllowance();
    } else {
        form_[Ctl::lblAllowance].caption.clear();
    }
}

void MainWindowModel::optAssetType_Click(int index) {
    depr_.SetAssetTypeFields(index);
}

void MainWindowModel::SetSelected() {
    Ctl id = form_.focus();
    if (id == Ctl::None || !IsTextEntry(Design(id).kind)) return;  // no such property: left alone
    Control& c = form_[id];
    c.sel_start = 0;
    c.sel_length = static_cast<int>(c.text.size());
}

void MainWindowModel::OnClick(Ctl id) {
    switch (id) {
        case Ctl::optAssetType0:
            return optAssetType_Click(0);
        case Ctl::optAssetType1:
            return optAssetType_Click(1);
        case Ctl::optAssetType2:
            return optAssetType_Click(2);
        case Ctl::chkBonus:
        case Ctl::chkBonus50:
        case Ctl::chkBonus100:
            return Bonus_Click(id);
        case Ctl::cboMethod:
            return cboMethod_Click();
        case Ctl::cboClass:
            return cboClass_Click();
        case Ctl::cboLife:
            return cboLife_Click();
        default:
            return;
    }
}

void MainWindowModel::OnFocusChange(Ctl from, Ctl to) {
    // Leaving: Validate, then LostFocus.
    switch (from) {
        case Ctl::txtCost:
            depr_.UpdateAllowance();
            depr_.ShowStatus("");
            break;
        case Ctl::txtBusinessPercent:
            depr_.UpdateAllowance();
            depr_.ShowStatus("");
            break;
        case Ctl::txtSalesPrice:
            depr_.ShowStatus("");
            break;
        default:
            break;
    }
    if (form_.focus() != to) return;  // a handler moved the focus on
    switch (to) {
        case Ctl::txtCost:
        case Ctl::txtSalesPrice:
        case Ctl::txtAdjTaxBasis:
        case Ctl::txtBusinessPercent:
        case Ctl::txtDescription:
        case Ctl::txtInService:
            SetSelected();
            break;
        case Ctl::mskSold:
            form_[to].sel_start = 0;
            form_[to].sel_length = 0;
            break;
        default:
            if (to != Ctl::None && IsTextEntry(Design(to).kind)) {
                form_[to].sel_start = static_cast<int>(form_[to].text.size());
                form_[to].sel_length = 0;
            }
            break;
    }
}

// ------------------------------------------------------------------ what a person does

bool MainWindowModel::Click(Ctl id) {
    return Guarded([&] { return ClickNow(id); }, false);
}

bool MainWindowModel::ClickNow(Ctl id) {
    if (id == Ctl::None || !form_.Usable(id)) return false;
    Kind kind = Design(id).kind;
    if (kind != Kind::Button && kind != Kind::CheckBox && kind != Kind::Option) return false;
    form_.SetFocus(id);
    if (kind == Kind::CheckBox) {
        form_.SetCheck(id, form_[id].value ? 0 : 1);
        return true;
    }
    if (kind == Kind::Option) {
        form_.SetOption(id, true);
        return true;
    }
    switch (id) {
        case Ctl::cmdCalculate:
            cmdCalculate_Click();
            break;
        case Ctl::cmdClear:
            cmdClear_Click();
            break;
        case Ctl::cmdPrint:
            commands_ ? commands_->Print() : NotAvailable("Printing");
            break;
        case Ctl::cmdExport:
            commands_ ? commands_->Export() : NotAvailable("Export");
            break;
        case Ctl::cmdTools:
            commands_ ? commands_->Tools() : NotAvailable("The Tools menu");
            break;
        case Ctl::cmdHelp:
            commands_ ? commands_->Help() : NotAvailable("Help");
            break;
        default:
            break;
    }
    return true;
}

void MainWindowModel::NotAvailable(std::string_view what) {
    services_.messages->Show(std::string(what) + " is not available yet.", "", MsgButtons::Ok);
}

// ------------------------------------------------------------------ the Tools menu

void MainWindowModel::mnuAutoMax_Click() {
    Guarded([&] { ShowLimitEditor(kAutoMaxFile, {}); });
}

void MainWindowModel::munElectricAuto_Click() {
    Guarded([&] { ShowLimitEditor(kElectricFile, kCleanFuelCaption); });
}

void MainWindowModel::mnuTruckVan_Click() {
    Guarded([&] { ShowLimitEditor(kTruckMaxFile, {}); });
}

void MainWindowModel::ShowLimitEditor(std::string_view file, std::string_view caption) {
    if (editors_ == nullptr) {
        NotAvailable("The limit editor");
        return;
    }
    editors_->ShowEditor(file, caption);
}

bool MainWindowModel::OpenList(Ctl list) {
    return Guarded([&] { return OpenListNow(list); }, false);
}

bool MainWindowModel::OpenListNow(Ctl list) {
    if (list == Ctl::None || !form_.Usable(list)) return false;
    Kind kind = Design(list).kind;
    if (kind != Kind::ComboList && kind != Kind::ComboEdit) return false;
    form_.SetFocus(list);
    List_DropDown(list);
    return true;
}

bool MainWindowModel::ChooseItem(Ctl list, int index) {
    return Guarded([&] { return ChooseItemNow(list, index); }, false);
}

bool MainWindowModel::ChooseItemNow(Ctl list, int index) {
    if (list == Ctl::None || !form_.Usable(list)) return false;
    const Control& c = form_[list];
    if (index < 0 || index >= static_cast<int>(c.items.size())) return false;
    if (form_.focus() != list) form_.SetFocus(list);
    form_.SetListIndex(list, index);
    return true;
}

bool MainWindowModel::Focus(Ctl id) {
    return Guarded([&] { return FocusNow(id); }, false);
}

bool MainWindowModel::FocusNow(Ctl id) {
    if (id == Ctl::None || !form_.Usable(id) || !CanTakeFocus(Design(id).kind)) return false;
    form_.SetFocus(id);
    return true;
}

void MainWindowModel::Tab(bool backwards) {
    Guarded([&] { TabNow(backwards); });
}

void MainWindowModel::TabNow(bool backwards) {
    // The tab stops that can take the focus now, in tab order; of an option group only the
    // selected button.
    std::array<Ctl, kControlCount> stops{};
    int n = 0;
    for (int i = 0; i < kControlCount; ++i) {
        auto id = static_cast<Ctl>(i);
        const ControlDesign& d = Design(id);
        if (d.tab_index < 0 || !CanTakeFocus(d.kind) || !form_.Usable(id)) continue;
        if (d.kind == Kind::Option && form_[id].value == 0) continue;
        stops[n++] = id;
    }
    std::sort(stops.begin(), stops.begin() + n,
              [](Ctl a, Ctl b) { return Design(a).tab_index < Design(b).tab_index; });
    if (n == 0) return;
    int at = -1;
    for (int i = 0; i < n; ++i) {
        if (stops[i] == form_.focus()) at = i;
    }
    int next;
    if (at < 0) {
        // From a control that is not a tab stop: the next one by tab order.
        int from = form_.focus() == Ctl::None ? -1 : Design(form_.focus()).tab_index;
        next = 0;
        for (int i = 0; i < n; ++i) {
            if (Design(stops[i]).tab_index > from) {
                next = i;
                break;
            }
        }
        if (backwards) next = (next + n - 1) % n;
    } else {
        next = backwards ? (at + n - 1) % n : (at + 1) % n;
    }
    form_.SetFocus(stops[next]);
}

void MainWindowModel::PressEnter() {
    Guarded([&] { PressEnterNow(); });
}

void MainWindowModel::PressEnterNow() {
    if (form_.Usable(Ctl::cmdCalculate)) cmdCalculate_Click();
}

bool MainWindowModel::KeyFiltered(Ctl id) const {
    return id == Ctl::txtCost || id == Ctl::txtSalesPrice || id == Ctl::txtAdjTaxBasis ||
           id == Ctl::txtBusinessPercent || id == Ctl::cboLife;
}

void MainWindowModel::KeyDown(int code) {
    Guarded([&] { KeyDownNow(code); });
}

void MainWindowModel::KeyDownNow(int code) {
    Ctl id = form_.focus();
    if (id == Ctl::None) return;
    if (id == Ctl::txtCost || id == Ctl::txtBusinessPercent || id == Ctl::txtInService) {
        depr_.ShowStatus("");
    }
    Control& c = form_[id];
    if (!IsTextEntry(Design(id).kind)) return;
    int len = static_cast<int>(c.text.size());
    switch (code) {
        case key::kLeft:
            c.sel_start = std::max(0, c.sel_start - 1), c.sel_length = 0;
            break;
        case key::kRight:
            c.sel_start = std::min(len, c.sel_start + c.sel_length + 1), c.sel_length = 0;
            break;
        case key::kHome:
            c.sel_start = 0, c.sel_length = 0;
            break;
        case key::kEnd:
            c.sel_start = len, c.sel_length = 0;
            break;
        case key::kDelete:
            if (Design(id).kind == Kind::MaskBox) {
                int end = c.sel_length ? c.sel_start + c.sel_length : c.sel_start + 1;
                for (int p = c.sel_start; p < end && p < 7; ++p) {
                    if (IsMaskSlot(p)) c.text[p] = '_';
                }
                c.sel_length = 0;
            } else if (c.sel_length > 0) {
                c.text.erase(c.sel_start, c.sel_length);
                c.sel_length = 0;
            } else if (c.sel_start < len) {
                c.text.erase(c.sel_start, 1);
            }
            if (Design(id).kind == Kind::ComboEdit) c.list_index = -1;
            break;
        default:
            break;
    }
}

void MainWindowModel::KeyPress(char ch) {
    Guarded([&] { KeyPressNow(ch); });
}

void MainWindowModel::KeyPressNow(char ch) {
    Ctl id = form_.focus();
    if (id == Ctl::None) return;
    Kind kind = Design(id).kind;
    auto code = static_cast<unsigned char>(ch);
    if (KeyFiltered(id)) {
        bool passes = ch == '.' || code <= 31 || (ch >= '0' && ch <= '9');
        if (!passes) {
            if (services_.beeper) services_.beeper->Beep();
            return;
        }
    }
    Control& c = form_[id];
    if (kind == Kind::ComboList) {
        // A typed letter selects the next entry that starts with it.
        int n = static_cast<int>(c.items.size());
        for (int k = 1; k <= n; ++k) {
            int i = (c.list_index + k + n) % n;
            if (!c.items[i].empty() &&
                std::toupper(static_cast<unsigned char>(c.items[i][0])) == std::toupper(code)) {
                form_.SetListIndex(id, i);
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
        if (ch == 8) {
            int p = c.sel_length ? c.sel_start + c.sel_length : c.sel_start;
            for (int q = c.sel_start; q < p && c.sel_length; ++q) {
                if (IsMaskSlot(q)) c.text[q] = '_';
            }
            if (!c.sel_length) {
                int q = p - 1;
                if (q == 2) --q;
                if (q >= 0) c.text[q] = '_', c.sel_start = q;
            }
            c.sel_length = 0;
        } else if (ch == '/') {
            if (c.sel_start == 2) c.sel_start = 3;
        } else if (ch >= '0' && ch <= '9') {
            if (c.sel_length > 0) {
                for (int q = c.sel_start; q < c.sel_start + c.sel_length && q < 7; ++q) {
                    if (IsMaskSlot(q)) c.text[q] = '_';
                }
                c.sel_length = 0;
            }
            int p = c.sel_start;
            if (p == 2) p = 3;
            if (IsMaskSlot(p)) {
                c.text[p] = ch;
                c.sel_start = p + 1;
            }
        }
        return;
    }
    if (ch == 8) {
        if (c.sel_length > 0) {
            c.text.erase(c.sel_start, c.sel_length);
        } else if (c.sel_start > 0) {
            c.text.erase(c.sel_start - 1, 1);
            --c.sel_start;
        }
        c.sel_length = 0;
        if (kind == Kind::ComboEdit) c.list_index = -1;
        return;
    }
    if (code < 32) return;
    InsertText(id, std::string_view(&ch, 1));
}

void MainWindowModel::InsertText(Ctl id, std::string_view text) {
    Control& c = form_[id];
    int max = Design(id).max_length;
    int len = static_cast<int>(c.text.size());
    c.sel_start = std::clamp(c.sel_start, 0, len);
    c.sel_length = std::clamp(c.sel_length, 0, len - c.sel_start);
    int room = max > 0 ? max - (len - c.sel_length) : static_cast<int>(text.size());
    if (room <= 0) return;  // the length limit refuses it
    if (static_cast<int>(text.size()) > room) text = text.substr(0, room);
    c.text.replace(c.sel_start, c.sel_length, text);
    c.sel_start += static_cast<int>(text.size());
    c.sel_length = 0;
    if (Design(id).kind == Kind::ComboEdit) c.list_index = -1;
}

void MainWindowModel::KeyUp(int code) {
    Guarded([&] { KeyUpNow(code); });
}

void MainWindowModel::KeyUpNow(int code) {
    (void)code;
    Ctl id = form_.focus();
    switch (id) {
        case Ctl::txtCost:
        case Ctl::txtSalesPrice:
        case Ctl::txtAdjTaxBasis:
            form_[Ctl::stbMain].fore = kBlue;
            depr_.ShowStatus(FormatText(form_[id].text, Pattern::Whole));
            break;
        case Ctl::cboLife:
            cboLife_KeyUp();
            break;
        default:
            break;
    }
}

void MainWindowModel::Type(char ch) {
    if (ch == '\t') return Tab();
    if (ch == '\r' || ch == '\n') return PressEnter();
    int code = key::CodeOf(ch);
    KeyDown(code);
    KeyPress(ch);
    KeyUp(code);
}

void MainWindowModel::TypeText(std::string_view text) {
    for (char ch : text)
        Type(ch);
}

void MainWindowModel::Paste(std::string_view text) {
    Guarded([&] { PasteNow(text); });
}

void MainWindowModel::PasteNow(std::string_view text) {
    Ctl id = form_.focus();
    if (id == Ctl::None) return;
    Kind kind = Design(id).kind;
    if (kind == Kind::MaskBox) {
        for (char ch : text) {
            if ((ch >= '0' && ch <= '9') || ch == '/') KeyPress(ch);
        }
        return;
    }
    if (kind != Kind::TextBox && kind != Kind::ComboEdit) return;
    KeyDown('V');
    KeyPress(22);  // Ctrl+V passes the character filter
    InsertText(id, text);
    KeyUp('V');
}

void MainWindowModel::Select(Ctl id, int start, int length) {
    Control& c = form_[id];
    int len = static_cast<int>(c.text.size());
    c.sel_start = std::clamp(start, 0, len);
    c.sel_length = std::clamp(length, 0, len - c.sel_start);
}

}  // namespace orvane
