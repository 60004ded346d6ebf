#include "app/model/main_window_controls.h"

#include <cstdio>
#include <cstring>
#include <utility>

namespace orvane {
namespace {

using K = Kind;
using C = MainCtl;

// The window's design, in the order of MainCtl. Places are relative to the container, in twips.
constexpr std::array<MainControlDesign, kControlCount> kDesign = {{
    {"Frame2", K::Frame, C::None, "", 170, 0, 6975, 400, -1, 0, 0},
    {"optAssetType(0)", K::Option, C::Frame2, "Regular Asset", 360, 145, 1455, 195, 0, 0, 0},
    {"optAssetType(1)", K::Option, C::Frame2, "Relinquished Asset", 2400, 145, 1935, 195, 1, 0, 0},
    {"optAssetType(2)", K::Option, C::Frame2, "Replacement Asset", 4680, 145, 1815, 195, 2, 0, 0},
    {"pnl3dDepr", K::Frame, C::None, "", 170, 360, 5895, 2295, -1, 0, 0},
    {"lblCost", K::Label, C::pnl3dDepr, "Cost:", 200, 300, 375, 195, -1, 0, 0},
    {"txtCost", K::TextBox, C::pnl3dDepr, "", 610, 210, 1035, 315, 3, 240, 10},
    {"lblMethod", K::Label, C::pnl3dDepr, "Method:", 2000, 290, 615, 195, -1, 0, 0},
    {"cboMethod", K::ComboList, C::pnl3dDepr, "", 2640, 210, 1155, 315, 4, 230, 0},
    {"lblInService", K::Label, C::pnl3dDepr, "In Service:", 4140, 300, 855, 255, -1, 0, 0},
    {"txtInService", K::MaskBox, C::pnl3dDepr, "", 4960, 210, 735, 315, 5, 440, 0},
    {"lblLife", K::Label, C::pnl3dDepr, "Life:", 200, 675, 375, 195, -1, 0, 0},
    {"cboLife", K::ComboEdit, C::pnl3dDepr, "", 610, 600, 675, 315, 6, 280, 0},
    {"Label2", K::Label, C::pnl3dDepr, "Or   Type:", 1320, 675, 735, 255, -1, 0, 0},
    {"cboClass", K::ComboList, C::pnl3dDepr, "", 2100, 600, 2115, 315, 7, 450, 0},
    {"lblAutoBusiness", K::Label, C::pnl3dDepr, "Business %:", 4340, 665, 915, 255, -1, 0, 0},
    {"txtBusinessPercent", K::TextBox, C::pnl3dDepr, "", 5260, 600, 435, 285, 8, 250, 4},
    {"chkBonus", K::CheckBox, C::pnl3dDepr, "30% Allowance", 200, 1000, 1455, 195, 9, 500, 0},
    {"chkBonus50", K::CheckBox, C::pnl3dDepr, "50% Allowance", 1640, 1000, 1455, 195, 41, 0, 0},
    {"chkBonus100", K::CheckBox, C::pnl3dDepr, "100% Allowance", 3120, 1000, 1575, 195, 43, 0, 0},
    {"lblAllowance", K::Label, C::pnl3dDepr, "", 4700, 1005, 975, 285, -1, 0, 0},
    {"fraConvention", K::Frame, C::pnl3dDepr, "Convention", 200, 1280, 3600, 495, -1, 370, 0},
    {"optConvention(0)", K::Option, C::fraConvention, "Half Year", 240, 200, 915, 195, 10, 0, 0},
    {"optConvention(1)", K::Option, C::fraConvention, "Mid Quarter", 1200, 200, 1035, 195, 11, 0,
     0},
    {"optConvention(2)", K::Option, C::fraConvention, "Mid Month", 2400, 200, 1035, 195, 12, 0, 0},
    {"lblSoldDate", K::Label, C::pnl3dDepr, "Date Sold:", 3960, 1480, 855, 255, -1, 0, 0},
    {"mskSold", K::MaskBox, C::pnl3dDepr, "", 4800, 1420, 885, 285, 13, 510, 0},
    {"lblDescription", K::Label, C::pnl3dDepr, "Description:", 195, 1920, 855, 255, -1, 0, 0},
    {"txtDescription", K::TextBox, C::pnl3dDepr, "", 1080, 1860, 4620, 285, 14, 270, 100},
    {"fraRelinquished", K::Frame, C::None, "Relinquished Property (1031 && 1033)", 170, 2700, 6975,
     660, -1, 460, 0},
    {"lblSalesPrice", K::Label, C::fraRelinquished, "- Sales Price:", 200, 300, 1305, 255, -1, 0,
     0},
    {"txtSalesPrice", K::TextBox, C::fraRelinquished, "", 1200, 260, 1035, 285, 15, 470, 10},
    {"lblAdjTaxBasis", K::Label, C::fraRelinquished, "+ Adj Tax Basis:", 2400, 300, 1215, 255, -1,
     0, 0},
    {"txtAdjTaxBasis", K::TextBox, C::fraRelinquished, "", 3600, 260, 1035, 285, 16, 480, 10},
    {"lbladjustedCost", K::Label, C::fraRelinquished, "= Adj. Cost", 4800, 300, 855, 255, -1, 0, 0},
    {"lblAdjCost", K::Label, C::fraRelinquished, "", 5760, 320, 1035, 255, -1, 0, 0},
    {"cmdCalculate", K::Button, C::None, "&Calculate", 6240, 520, 915, 300, 17, 0, 0},
    {"cmdClear", K::Button, C::None, "C&lear", 6240, 882, 915, 300, 18, 260, 0},
    {"cmdPrint", K::Button, C::None, "&Print", 6240, 1260, 915, 300, 19, 90, 0},
    {"cmdExport", K::Button, C::None, "&Export", 6240, 1638, 915, 300, 20, 90, 0},
    {"cmdTools", K::Button, C::None, "&Tools", 6240, 2016, 915, 300, 21, 0, 0},
    {"cmdHelp", K::Button, C::None, "&Help", 6240, 2394, 915, 300, 22, 0, 0},
    {"grdDepr", K::Grid, C::None, "", 126, 3444, 7000, 3192, 23, 0, 0},
    {"stbMain", K::Status, C::None, "", 120, 6750, 7035, 315, -1, 0, 0},
}};

// The option buttons of the window, in the order of MainCtl.
constexpr auto kOptions = [] {
    std::array<MainCtl, 6> options{};
    std::size_t n = 0;
    for (int i = 0; i < kControlCount; ++i) {
        if (kDesign[i].kind == K::Option) options.at(n++) = static_cast<MainCtl>(i);
    }
    if (n != options.size()) throw "the window's option buttons are six";
    return options;
}();

bool IsEntry(Kind k) {
    return k == K::TextBox || k == K::MaskBox || k == K::ComboList || k == K::ComboEdit;
}

inline void AssignText(std::string& to, const std::string& from) {
    const std::size_t n = from.size();
    if (to.size() == n && (n == 0 || std::memcmp(to.data(), from.data(), n) == 0)) return;
    to = from;
}

void Assign(Control& to, const Control& from) {
    // Every member bound by name: a member added to Control stops this compiling until it is
    // copied here too.
    const auto& [caption, text, enabled, fore, back, bold, sel_start, sel_length, value, items,
                 item_data, list_index, dropped_width, tool_tip] = from;
    AssignText(to.caption, caption);
    AssignText(to.text, text);
    to.enabled = enabled;
    to.fore = fore;
    to.back = back;
    to.bold = bold;
    to.sel_start = sel_start;
    to.sel_length = sel_length;
    to.value = value;
    to.items = items;
    to.item_data = item_data;
    to.list_index = list_index;
    to.dropped_width = dropped_width;
    AssignText(to.tool_tip, tool_tip);
}

}  // namespace

const std::array<MainControlDesign, kControlCount> detail::kMainWindowDesign = kDesign;

MainCtl FindControl(std::string_view name) {
    for (int i = 0; i < kControlCount; ++i) {
        if (kDesign[i].name == name) return static_cast<MainCtl>(i);
    }
    return MainCtl::None;
}

MainWindowControls::MainWindowControls() {
    for (int i = 0; i < kControlCount; ++i) {
        const MainControlDesign& d = kDesign[i];
        Control& c = controls_[i];
        c.caption = std::string(d.caption);
        if (IsEntry(d.kind)) {
            c.fore = kBlue;  // entry text is blue
        } else if (d.kind == K::Option && d.parent == C::fraConvention) {
            c.fore = kBlue;
        } else if (d.kind == K::CheckBox) {
            c.fore = kBlack;
        }
        if (d.kind == K::MaskBox) c.text = std::string(kBlankMonth);
        if (d.kind == K::Button || d.kind == K::Frame || d.kind == K::Option ||
            d.kind == K::CheckBox || d.kind == K::Label || d.kind == K::Status) {
            c.back = kButtonFace;
        }
    }
    (*this)[C::lblInService].fore = kBlack;
    (*this)[C::lblSalesPrice].fore = kBlack;
    (*this)[C::lblAdjTaxBasis].fore = kBlack;
    (*this)[C::lblAllowance].fore = kGreen;
    (*this)[C::lblAdjCost].fore = kBlue;
    (*this)[C::stbMain].fore = kRed;
    (*this)[C::optConvention2].enabled = false;
    (*this)[C::cmdExport].tool_tip = "Export to Excel";
}

MainWindowControls& MainWindowControls::operator=(const MainWindowControls& other) {
    if (this == &other) return *this;
    for (int i = 0; i < kControlCount; ++i)
        Assign(controls_[i], other.controls_[i]);
    grid = other.grid;
    events = other.events;
    focus_ = other.focus_;
    return *this;
}

void MainWindowControls::SetCheck(MainCtl id, int value) {
    Control& c = (*this)[id];
    if (c.value == value) return;
    c.value = value;
    if (events) events->OnClick(id);
}

void MainWindowControls::SetOption(MainCtl id, bool value) {
    Control& c = (*this)[id];
    int v = value ? 1 : 0;
    if (c.value == v) return;
    c.value = v;
    if (!value) return;
    MainCtl group = Design(id).parent;
    for (MainCtl other : kOptions) {
        if (other != id && Design(other).parent == group) (*this)[other].value = 0;
    }
    if (events) events->OnClick(id);
}

void MainWindowControls::SetListIndex(MainCtl id, int index) {
    Control& c = (*this)[id];
    if (index < -1 || index >= static_cast<int>(c.items.size())) return;
    if (c.list_index == index) return;
    c.list_index = index;
    c.text = index >= 0 ? c.items[index] : std::string();
    if (events) events->OnClick(id);
}

void MainWindowControls::SetFocus(MainCtl id) {
    if (focus_ == id) return;
    MainCtl from = focus_;
    focus_ = id;
    if (events) events->OnFocusChange(from, id);
}

void MainWindowControls::ClearList(MainCtl id) {
    Control& c = (*this)[id];
    c.items.clear();
    c.item_data.clear();
    c.list_index = -1;
    c.text.clear();
}

void MainWindowControls::AddItem(MainCtl id, std::string text, std::int32_t data) {
    Control& c = (*this)[id];
    c.items.push_back(std::move(text));
    c.item_data.push_back(data);
}

void MainWindowControls::FillList(MainCtl id, const SharedList<std::string>& items,
                                  const SharedList<std::int32_t>& data) {
    Control& c = (*this)[id];
    c.items = items;
    c.item_data = data;
    c.list_index = -1;
    c.text.clear();
}

bool MainWindowControls::Usable(MainCtl id) const {
    for (MainCtl c = id; c != MainCtl::None; c = Design(c).parent) {
        if (!(*this)[c].enabled) return false;
    }
    return true;
}

int MainWindowControls::SelectedOption(MainCtl first, int count) const {
    for (int i = 0; i < count; ++i) {
        if ((*this)[static_cast<MainCtl>(static_cast<int>(first) + i)].value) return i;
    }
    return -1;
}

}  // namespace orvane
