#pragma once
// The controls of the main window frmViewDepr as plain state: text, lists, values, enabled,
// colours, focus. The window's controls are the only store of the asset being entered; the
// engine reads and writes them here, and the main-window model runs the handlers.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/grid.h"

namespace orvane {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
    std::string Hex() const;
};

inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kEntryGrey{224, 224, 224};
inline constexpr Rgb kWindowText{0, 0, 0};  // the system's window-text colour
inline constexpr Rgb kButtonFace{240, 240, 240};

enum class Kind : std::uint8_t {
    Frame,
    Label,
    TextBox,
    MaskBox,    // masked month "##/####"
    ComboList,  // drop-down list, no typing
    ComboEdit,  // drop-down combo, typing allowed
    CheckBox,
    Option,
    Button,
    Grid,
    Status,
};

// Every control of frmViewDepr. Control arrays are spelled out (optAssetType0 is
// optAssetType(0)).
enum class Ctl : std::uint8_t {
    Frame2,
    optAssetType0,
    optAssetType1,
    optAssetType2,
    pnl3dDepr,
    lblCost,
    txtCost,
    lblMethod,
    cboMethod,
    lblInService,
    txtInService,
    lblLife,
    cboLife,
    Label2,
    cboClass,
    lblAutoBusiness,
    txtBusinessPercent,
    chkBonus,
    chkBonus50,
    chkBonus100,
    lblAllowance,
    fraConvention,
    optConvention0,
    optConvention1,
    optConvention2,
    lblSoldDate,
    mskSold,
    lblDescription,
    txtDescription,
    fraRelinquished,
    lblSalesPrice,
    txtSalesPrice,
    lblAdjTaxBasis,
    txtAdjTaxBasis,
    lbladjustedCost,
    lblAdjCost,
    cmdCalculate,
    cmdClear,
    cmdPrint,
    cmdExport,
    cmdTools,
    cmdHelp,
    grdDepr,
    stbMain,
    kCount,
    None = kCount,
};
inline constexpr int kControlCount = static_cast<int>(Ctl::kCount);

// Fixed design of one control: name, kind, container, caption, place and size in twips, tab
// order (-1: no tab stop), help topic (0: none), length limit.
struct ControlDesign {
    std::string_view name;
    Kind kind;
    Ctl parent;
    std::string_view caption;
    int left, top, width, height;
    int tab_index;
    int help_topic;
    int max_length;
};
const ControlDesign& Design(Ctl id);
// Looks a control up by its name ("txtCost", "optAssetType(1)"); Ctl::None when unknown.
Ctl FindControl(std::string_view name);

struct Control {
    std::string caption;
    std::string text;
    bool enabled = true;
    Rgb fore = kWindowText;
    Rgb back = kWhite;
    bool bold = false;
    int sel_start = 0;
    int sel_length = 0;
    int value = 0;  // check box 0/1, option button 0/1
    std::vector<std::string> items;
    std::vector<std::int32_t> item_data;
    int list_index = -1;
    int dropped_width = 0;  // pixels; 0 = as wide as the box
    std::string tool_tip;
};

// Runs the window's handlers for changes made through ViewDeprForm's setters.
class FormEvents {
  public:
    virtual ~FormEvents() = default;
    virtual void OnClick(Ctl id) = 0;
    virtual void OnFocusChange(Ctl from, Ctl to) = 0;
};

class ViewDeprForm {
  public:
    ViewDeprForm();

    Control& operator[](Ctl id) { return controls_[static_cast<int>(id)]; }
    const Control& operator[](Ctl id) const { return controls_[static_cast<int>(id)]; }

    // Choices made in code count as user choices: these run the control's click handler exactly
    // as a click would, and run nothing when the state stays as it was.
    void SetCheck(Ctl id, int value);
    void SetOption(Ctl id, bool value);  // true clears the other options of its container
    void SetListIndex(Ctl id, int index);
    void SetFocus(Ctl id);
    // Empties a list (no handler runs); an editable list loses its text too.
    void ClearList(Ctl id);
    void AddItem(Ctl id, std::string text, std::int32_t data = 0);

    // Enabled, and every container around it enabled too.
    bool Usable(Ctl id) const;
    Ctl focus() const { return focus_; }
    void set_focus_silently(Ctl id) { focus_ = id; }
    // The index of the selected option of a group, or -1.
    int SelectedOption(Ctl first, int count) const;

    ScheduleGrid grid;
    FormEvents* events = nullptr;

  private:
    std::array<Control, kControlCount> controls_;
    Ctl focus_ = Ctl::None;
};

// Masked month boxes ("##/####", prompt "_").
inline constexpr std::string_view kBlankMonth = "__/____";

}  // namespace orvane
