#include "app/model/main_window_model.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

#include "base/numtext.h"
#include "controls/edit_buffer.h"
#include "limits/limit_editor_controls.h"
#include "limits/vehicle_limit_files.h"

namespace orvane {
namespace {

constexpr std::string_view kMacrs = "MACRS";
constexpr std::string_view kAds = "ADS";
constexpr std::array<std::string_view, 4> kMethods = {"ADS", "Amortize", "MACRS", "Straight Line"};
constexpr std::array<std::string_view, 9> kMacrsLives = {"3",  "5",    "7",    "10", "15",
                                                         "20", "27.5", "31.5", "39"};
constexpr std::array<std::string_view, 8> kAdsLives = {"5", "6", "9", "10", "12", "18", "20", "40"};
constexpr std::array<MainCtl, 3> kBonusBoxes = {MainCtl::chkBonus, MainCtl::chkBonus50,
                                                MainCtl::chkBonus100};

}  // namespace

std::span<const std::string_view> MethodChoices() {
    return kMethods;
}

std::span<const std::string_view> LifeChoices(std::string_view method) {
    if (method == kMacrs) return kMacrsLives;
    if (method == kAds) return kAdsLives;
    return {};
}

int key::CodeOf(char ch) {
    if (ch >= 'a' && ch <= 'z') return ch - 'a' + 'A';
    if (ch == '.') return kPoint;
    return static_cast<unsigned char>(ch);
}

namespace {
template <std::size_t N>
SharedList<std::string> ListOf(const std::array<std::string_view, N>& texts) {
    return SharedList<std::string>(std::vector<std::string>(texts.begin(), texts.end()));
}
}  // namespace

MainWindowModel::LifeLists::LifeLists()
    : macrs(ListOf(kMacrsLives)),
      ads(ListOf(kAdsLives)),
      macrs_data(std::vector<std::int32_t>(kMacrsLives.size())),
      ads_data(std::vector<std::int32_t>(kAdsLives.size())) {}

MainWindowModel::MainWindowModel(const Services& services)
    : services_(services),
      life_lists_(std::make_shared<const LifeLists>()),
      depr_(controls_, services) {
    controls_.events = this;
}

MainWindowModel::MainWindowModel(const MainWindowModel& other)
    : services_(other.services_),
      life_lists_(other.life_lists_),
      controls_(other.controls_),
      depr_(other.depr_),
      commands_(other.commands_),
      editors_(other.editors_) {
    controls_.events = this;
    depr_.Rebind(controls_);
}

MainWindowModel& MainWindowModel::operator=(const MainWindowModel& other) {
    if (this == &other) return *this;
    services_ = other.services_;
    life_lists_ = other.life_lists_;
    controls_ = other.controls_;
    depr_ = other.depr_;
    commands_ = other.commands_;
    editors_ = other.editors_;
    controls_.events = this;
    depr_.Rebind(controls_);
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
    auto& f = controls_;
    trap.Run([&] { SetGridHeaders(f.grid); });
    trap.Run([&] {
        f.ClearList(MainCtl::cboMethod);
        for (auto m : kMethods)
            f.AddItem(MainCtl::cboMethod, std::string(m));
    });
    depr_.CloseBusinessUse();
    f[MainCtl::cboClass].enabled = false;
    f[MainCtl::cboClass].back = kEntryGrey;
    EnableConventions(false);
    trap.Run([&] { f[MainCtl::txtInService].text = MonthText(services_.clock->Today()); });
    f[MainCtl::cmdPrint].enabled = false;
    f[MainCtl::cmdExport].enabled = false;
    for (MainCtl box : kBonusBoxes)
        f[box].enabled = false;
    f[MainCtl::optConvention2].enabled = false;
    f.SetOption(MainCtl::optAssetType0, true);
    // The window opens with the focus on its first tab stop.
    f.set_focus_silently(MainCtl::optAssetType0);
}

void MainWindowModel::EnableConventions(bool enabled) {
    controls_[MainCtl::fraConvention].enabled = enabled;
    for (MainCtl id : {MainCtl::optConvention0, MainCtl::optConvention1}) {
        controls_.SetOption(id, false);
        controls_[id].enabled = enabled;
    }
    controls_.SetOption(MainCtl::optConvention0, true);
}

void MainWindowModel::cmdCalculate_Click() {
    ErrorTrap trap(*services_.messages, "Calculation Error");
    depr_.StartSchedule(trap, true);
    trap.Run([&] { depr_.ValidateInputs(); });
    if (depr_.state.input_error) return;
    // The asset as the fields hold it when the schedule starts.
    AssetRecord asset = depr_.Record();
    trap.Run([&] { depr_.BuildSchedule(trap, asset); });
}

void MainWindowModel::cmdClear_Click() {
    auto& f = controls_;
    depr_.ShowStatus("");
    for (MainCtl id : {MainCtl::lblCost, MainCtl::lblMethod, MainCtl::lblLife})
        f[id].fore = kWindowText;
    f[MainCtl::cboLife].text.clear();
    f[MainCtl::cboLife].list_index = -1;
    f.SetListIndex(MainCtl::cboMethod, -1);
    for (MainCtl id : {MainCtl::txtCost, MainCtl::txtBusinessPercent, MainCtl::txtDescription})
        f[id].text.clear();
    f[MainCtl::txtInService].text = MonthText(services_.clock->Today());
    f[MainCtl::mskSold].text = std::string(kBlankMonth);
    f[MainCtl::txtSalesPrice].text.clear();
    f[MainCtl::txtAdjTaxBasis].text.clear();
    f[MainCtl::lblAdjCost].caption.clear();
    f.grid.Clear();
    SetGridHeaders(f.grid);
    depr_.CloseBusinessUse();
    EnableConventions(false);
    f.SetOption(MainCtl::optConvention2, false);
    f[MainCtl::optConvention2].enabled = false;
    f[MainCtl::cmdPrint].enabled = false;
    f[MainCtl::cmdExport].enabled = false;
    f.SetFocus(MainCtl::txtCost);
}

// ------------------------------------------------------------------ selection logic

void MainWindowModel::cboMethod_Click() {
    auto& f = controls_;
    f.ClearList(MainCtl::cboLife);
    f[MainCtl::txtBusinessPercent].text.clear();
    EnableConventions(false);
    depr_.CloseBusinessUse();
    f.SetListIndex(MainCtl::cboClass, -1);
    f[MainCtl::cboClass].enabled = false;
    f[MainCtl::cboClass].back = kEntryGrey;
    const std::string method = f[MainCtl::cboMethod].text;
    if (method == kMacrs) {
        f.FillList(MainCtl::cboLife, life_lists_->macrs, life_lists_->macrs_data);
        EnableConventions(true);
        depr_.LoadMacrsClasses();
        f[MainCtl::cboClass].enabled = true;
        f[MainCtl::cboClass].back = kWhite;
    } else if (method == kAds) {
        f.FillList(MainCtl::cboLife, life_lists_->ads, life_lists_->ads_data);
        depr_.LoadAdsClasses();
        EnableConventions(true);
        f[MainCtl::cboClass].enabled = true;
        f[MainCtl::cboClass].back = kWhite;
    }
    for (MainCtl box : kBonusBoxes) {
        f.SetCheck(box, 0);
        f[box].enabled = false;
    }
}

void MainWindowModel::cboClass_Click() {
    depr_.ApplyClassChoice();
}

void MainWindowModel::BusinessUseFollowsLife() {
    auto& f = controls_;
    const std::string& method = f[MainCtl::cboMethod].text;
    if (!HasLists(method)) return depr_.CloseBusinessUse();
    // A life and a class exclude each other.
    f.SetListIndex(MainCtl::cboClass, -1);
    if (BusinessUseForLife(method, f[MainCtl::cboLife].text) != BusinessUseBox::Open)
        return depr_.CloseBusinessUse();
    depr_.OpenBusinessUse();
    f.SetFocus(MainCtl::txtBusinessPercent);
}

void MainWindowModel::cboLife_Click() {
    BusinessUseFollowsLife();
    const auto& f = controls_;
    depr_.ApplyFieldRules(RulesFor(f[MainCtl::cboMethod].text, f[MainCtl::cboLife].text, nullptr));
}

void MainWindowModel::cboLife_KeyUp() {
    depr_.ShowStatus("");
    BusinessUseFollowsLife();
}

void MainWindowModel::List_DropDown(MainCtl list) {
    depr_.ShowStatus("");
    const std::string& method = controls_[MainCtl::cboMethod].text;
    if (list == MainCtl::cboClass && HasLists(method)) {
        controls_[MainCtl::cboLife].text.clear();
        controls_[MainCtl::cboLife].list_index = -1;
    }
}

void MainWindowModel::Bonus_Click(MainCtl box) {
    if (controls_[box].value == 1) {
        for (MainCtl other : kBonusBoxes) {
            if (other != box) controls_.SetCheck(other, 0);
        }
        depr_.UpdateAllowance();
    } else {
        controls_[MainCtl::lblAllowance].caption.clear();
    }
}

void MainWindowModel::optAssetType_Click(int index) {
    depr_.SetAssetTypeFields(index);
}

void MainWindowModel::SetSelected() {
    MainCtl id = controls_.focus();
    if (id == MainCtl::None || !IsTextEntry(Design(id).kind))
        return;  // no such property: left alone
    Control& c = controls_[id];
    EditBuffer(c).SelectAll();
}

void MainWindowModel::OnClick(MainCtl id) {
    // An entry chosen in a list that takes typing shows its text with the caret after it, as
    // the toolkit's editable combo box does, so that typing goes on from there.
    if (Design(id).kind == Kind::ComboEdit) {
        EditBuffer(controls_[id]).End();
    }
    switch (id) {
        case MainCtl::optAssetType0:
            return optAssetType_Click(0);
        case MainCtl::optAssetType1:
            return optAssetType_Click(1);
        case MainCtl::optAssetType2:
            return optAssetType_Click(2);
        case MainCtl::chkBonus:
        case MainCtl::chkBonus50:
        case MainCtl::chkBonus100:
            return Bonus_Click(id);
        case MainCtl::cboMethod:
            return cboMethod_Click();
        case MainCtl::cboClass:
            return cboClass_Click();
        case MainCtl::cboLife:
            return cboLife_Click();
        default:
            return;
    }
}

void MainWindowModel::OnFocusChange(MainCtl from, MainCtl to) {
    // Leaving: Validate, then LostFocus.
    switch (from) {
        case MainCtl::txtCost:
            depr_.UpdateAllowance();
            depr_.ShowStatus("");
            break;
        case MainCtl::txtBusinessPercent:
            depr_.UpdateAllowance();
            depr_.ShowStatus("");
            break;
        case MainCtl::txtSalesPrice:
            depr_.ShowStatus("");
            break;
        default:
            break;
    }
    if (controls_.focus() != to) return;  // a handler moved the focus on
    switch (to) {
        case MainCtl::txtCost:
        case MainCtl::txtSalesPrice:
        case MainCtl::txtAdjTaxBasis:
        case MainCtl::txtBusinessPercent:
        case MainCtl::txtDescription:
        case MainCtl::txtInService:
            SetSelected();
            break;
        case MainCtl::mskSold:
            controls_[to].sel_start = 0;
            controls_[to].sel_length = 0;
            break;
        default:
            if (to != MainCtl::None && IsTextEntry(Design(to).kind)) {
                EditBuffer(controls_[to]).End();
            }
            break;
    }
}

// ------------------------------------------------------------------ what a person does

Outcome MainWindowModel::Click(MainCtl id) {
    return Guarded([&] { return ClickNow(id); });
}

bool MainWindowModel::ClickNow(MainCtl id) {
    if (id == MainCtl::None || !controls_.Usable(id)) return false;
    Kind kind = Design(id).kind;
    if (kind != Kind::Button && kind != Kind::CheckBox && kind != Kind::Option) return false;
    controls_.SetFocus(id);
    if (kind == Kind::CheckBox) {
        controls_.SetCheck(id, controls_[id].value ? 0 : 1);
        return true;
    }
    if (kind == Kind::Option) {
        controls_.SetOption(id, true);
        return true;
    }
    switch (id) {
        case MainCtl::cmdCalculate:
            cmdCalculate_Click();
            break;
        case MainCtl::cmdClear:
            cmdClear_Click();
            break;
        case MainCtl::cmdPrint:
            cmdPrint_Click();
            break;
        case MainCtl::cmdExport:
            if (commands_ != nullptr) commands_->Export();
            break;
        case MainCtl::cmdTools:
            if (commands_ != nullptr) commands_->Tools();
            break;
        case MainCtl::cmdHelp:
            if (commands_ != nullptr) commands_->Help();
            break;
        default:
            break;
    }
    return true;
}

// ------------------------------------------------------------------ the Tools menu

void MainWindowModel::mnuAutoMax_Click() {
    Guarded([&] { return ShowLimitEditor(kAutoMaxFile, {}), true; });
}

void MainWindowModel::munElectricAuto_Click() {
    Guarded([&] { return ShowLimitEditor(kElectricFile, kCleanFuelCaption), true; });
}

void MainWindowModel::mnuTruckVan_Click() {
    Guarded([&] { return ShowLimitEditor(kTruckMaxFile, {}), true; });
}

void MainWindowModel::ShowLimitEditor(std::string_view file, std::string_view caption) {
    if (editors_ != nullptr) editors_->ShowEditor(file, caption);
}

}  // namespace orvane
