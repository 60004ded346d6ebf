#pragma once
// The main window frmViewDepr as a toolkit-free model: it holds every control's state and runs
// the window's handlers. The Qt window and orvane-cli are both users of it: they forward what a
// person does (a click, a key, a focus change) and show the state afterwards.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "app/model/depr.h"
#include "app/model/main_window_controls.h"
#include "platform/services.h"

namespace orvane {

// Key codes of KeyDown and KeyUp.
namespace key {
inline constexpr int kBack = 8;
inline constexpr int kTab = 9;
inline constexpr int kReturn = 13;
inline constexpr int kShift = 16;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kRight = 39;
inline constexpr int kDelete = 46;
inline constexpr int kPoint = 190;
// The key code of the key that types `ch`.
int CodeOf(char ch);
}  // namespace key

// The commands that leave the window: export and the Tools and Help menus. A window without
// them (the command-line tool runs export itself) leaves those buttons without effect.
class WindowCommands {
  public:
    virtual ~WindowCommands() = default;
    virtual void Export() = 0;
    virtual void Tools() = 0;
    virtual void Help() = 0;
};

// Shows the limit editor: opens the limit file `file` (a bare name, "AutoMax.DAT") in the
// limit folder and shows the editor on it modally, returning when it is gone. An empty
// `caption` leaves the editor's own caption in place.
class LimitEditors {
  public:
    virtual ~LimitEditors() = default;
    virtual void ShowEditor(std::string_view file, std::string_view caption) = 0;
};

// The entries of the method list, and the life list each method fills (empty for the methods
// whose life is typed).
std::span<const std::string_view> MethodChoices();
std::span<const std::string_view> LifeChoices(std::string_view method);

// What became of one thing a person did.
enum class Outcome : std::uint8_t {
    Done,         // carried out
    NotPossible,  // the control could not be used at that moment; nothing changed
    Faulted,      // carried out up to a fault that a message box reported; what it did stays
};

class MainWindowModel final : public MainWindowEvents {
  public:
    explicit MainWindowModel(const Services& services);
    MainWindowModel(const MainWindowModel& other);
    MainWindowModel& operator=(const MainWindowModel& other);
    ~MainWindowModel() override = default;

    const MainWindowControls& controls() const { return controls_; }
    MainWindowControls& controls() { return controls_; }
    Depr& depr() { return depr_; }
    const Depr& depr() const { return depr_; }
    void set_commands(WindowCommands* commands) { commands_ = commands; }
    void set_limit_editors(LimitEditors* editors) { editors_ = editors; }

    // ---- What a person does. Each says how it went: NotPossible, changing nothing, when the
    // control cannot be used at that moment (it or its container is disabled); Faulted when a
    // handler failed on the way, after its box was shown (what was done before stays done, and
    // the window goes on: the focus that moved stays moved).
    Outcome Click(MainCtl id);                    // a button, check box or option button
    Outcome OpenList(MainCtl list);               // the drop-down of a list opens
    Outcome ChooseItem(MainCtl list, int index);  // an entry of an open list is chosen
    Outcome Focus(MainCtl id);                    // the focus moves there (mouse or access key)
    Outcome Tab(bool backwards = false);          // the focus moves to the next tab stop
    Outcome PressEnter();                         // Enter presses the default button
    // Keys go to the control that has the focus.
    Outcome KeyDown(int code);
    Outcome KeyPress(char32_t ch);  // the character filter, then the text changes
    Outcome KeyUp(int code);
    Outcome Type(char32_t ch);                // KeyDown, KeyPress and KeyUp of one character
    Outcome TypeText(std::string_view text);  // UTF-8, character by character
    // Ctrl+V: the text arrives unfiltered (only the length limit holds).
    Outcome Paste(std::string_view text);
    // Selects part of a text (as with the mouse), in characters.
    void Select(MainCtl id, int start, int length);
    // Ctrl+X: the key goes down and its character passes the filter, the selection goes as
    // Delete takes it, then the key comes up (the copy to the clipboard is the window's).
    Outcome Cut();

    // ---- The window's handlers.
    void Form_Load();
    void cmdCalculate_Click();
    void cmdClear_Click();
    // Print: the schedule's page on the default printer, the hourglass showing meanwhile.
    void cmdPrint_Click();
    // The same page on `printer` (the print preview's, or one chosen there).
    void PrintOn(Printer* printer);
    void cboMethod_Click();
    void cboClass_Click();
    void cboLife_Click();
    void cboLife_KeyUp();
    void List_DropDown(MainCtl list);
    void Bonus_Click(MainCtl box);
    void optAssetType_Click(int index);
    void EnableConventions(bool enabled);
    void SetSelected();
    // The entries of the Tools menu: each opens the limit editor on its table.
    void mnuAutoMax_Click();
    void munElectricAuto_Click();
    void mnuTruckVan_Click();

    // MainWindowEvents: code that sets a check, option or selection runs the handler as a click.
    void OnClick(MainCtl id) override;
    void OnFocusChange(MainCtl from, MainCtl to) override;

    static std::string MonthText(const Date& d);

  private:
    // What a person does runs here; a fault that no handler reports on its own is shown in a
    // box and ends that action, so that the window carries on. `action` returns whether the
    // control could be used.
    template <class F>
    Outcome Guarded(F&& action) {
        bool acted = false;
        if (!ErrorTrap(*services_.messages, "").Run([&] { acted = action(); }))
            return Outcome::Faulted;
        return acted ? Outcome::Done : Outcome::NotPossible;
    }
    bool ClickNow(MainCtl id);
    bool OpenListNow(MainCtl list);
    bool ChooseItemNow(MainCtl list, int index);
    bool FocusNow(MainCtl id);
    void TabNow(bool backwards);
    void PressEnterNow();
    void KeyDownNow(int code);
    void KeyPressNow(char32_t ch);
    // `status_stays`: false when the next key typed into the same box writes the status line
    // over, so that the amount need not be shown.
    void KeyUpNow(int code, bool status_stays = true);
    Outcome TypeKey(char32_t ch, bool status_stays);
    bool KeyFiltered(MainCtl id) const;
    // The business-use field after a life is chosen or typed: open with "100" for a life of
    // exactly "5" under MACRS or ADS, closed otherwise.
    void BusinessUseFollowsLife();
    void InsertText(MainCtl id, std::string_view text);
    void ShowLimitEditor(std::string_view file, std::string_view caption);

    // The entries of the life lists, built once and shared by the copies of the window.
    struct LifeLists {
        LifeLists();
        SharedList<std::string> macrs, ads;
        SharedList<std::int32_t> macrs_data, ads_data;
    };

    Services services_;
    std::shared_ptr<const LifeLists> life_lists_;
    MainWindowControls controls_;
    Depr depr_;
    WindowCommands* commands_ = nullptr;
    LimitEditors* editors_ = nullptr;
};

}  // namespace orvane
