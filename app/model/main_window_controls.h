#pragma once
// The controls of the main window frmViewDepr as plain state: text, lists, values, enabled,
// colours, focus. The window's controls are the only store of the asset being entered; the
// engine reads and writes them here, and the main-window model runs the handlers.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/grid.h"
#include "controls/controls.h"

namespace orvane {

// Every control of frmViewDepr. Control arrays are spelled out (optAssetType0 is
// optAssetType(0)).
enum class MainCtl : std::uint8_t {
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
inline constexpr int kControlCount = static_cast<int>(MainCtl::kCount);

// Fixed design of one control: name, kind, container, caption, place and size in twips, tab
// order (-1: no tab stop), help topic (0: none), length limit.
struct MainControlDesign {
    std::string_view name;
    Kind kind;
    MainCtl parent;
    std::string_view caption;
    int left, top, width, height;
    int tab_index;
    int help_topic;
    int max_length;
};
namespace detail {
extern const std::array<MainControlDesign, kControlCount> kMainWindowDesign;
}
inline const MainControlDesign& Design(MainCtl id) {
    return detail::kMainWindowDesign[static_cast<std::size_t>(id)];
}
// Looks a control up by its name ("txtCost", "optAssetType(1)"); MainCtl::None when unknown.
MainCtl FindControl(std::string_view name);

// Runs the window's handlers for changes made through MainWindowControls's setters.
class MainWindowEvents {
  public:
    virtual ~MainWindowEvents() = default;
    virtual void OnClick(MainCtl id) = 0;
    virtual void OnFocusChange(MainCtl from, MainCtl to) = 0;
};

class MainWindowControls {
  public:
    MainWindowControls();
    MainWindowControls(const MainWindowControls&) = default;
    // Copies every control's state; a text that is the same already is left as it is (a window
    // copied for every asset of a batch is mostly as it was).
    MainWindowControls& operator=(const MainWindowControls& other);

    Control& operator[](MainCtl id) { return controls_[static_cast<int>(id)]; }
    const Control& operator[](MainCtl id) const { return controls_[static_cast<int>(id)]; }

    // Choices made in code count as user choices: these run the control's click handler exactly
    // as a click would, and run nothing when the state stays as it was.
    void SetCheck(MainCtl id, int value);
    void SetOption(MainCtl id, bool value);  // true clears the other options of its container
    void SetListIndex(MainCtl id, int index);
    void SetFocus(MainCtl id);
    // Empties a list (no handler runs); an editable list loses its text too.
    void ClearList(MainCtl id);
    void AddItem(MainCtl id, std::string text, std::int32_t data = 0);
    // Empties a list as ClearList does and gives it `items` with their numbers `data` (as
    // many), shared with whatever else holds them.
    void FillList(MainCtl id, const SharedList<std::string>& items,
                  const SharedList<std::int32_t>& data);

    // Enabled, and every container around it enabled too.
    bool Usable(MainCtl id) const;
    MainCtl focus() const { return focus_; }
    void set_focus_silently(MainCtl id) { focus_ = id; }
    // The index of the selected option of a group, or -1.
    int SelectedOption(MainCtl first, int count) const;

    ScheduleGrid grid;
    MainWindowEvents* events = nullptr;

  private:
    std::array<Control, kControlCount> controls_;
    MainCtl focus_ = MainCtl::None;
};

// The kinds of control that take typing, and those that can take the focus.
inline bool IsTextEntry(Kind k) {
    return k == Kind::TextBox || k == Kind::ComboEdit || k == Kind::MaskBox;
}
inline bool CanTakeFocus(Kind k) {
    return k != Kind::Label && k != Kind::Frame && k != Kind::Status;
}

// Masked month boxes ("##/####", prompt "_").
inline constexpr std::string_view kBlankMonth = "__/____";

}  // namespace orvane
