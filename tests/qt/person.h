#pragma once
// A person at the main window: the mouse and the keyboard on the real widgets, and scripted
// answers for the message boxes, the beep, the calendar and the pop-up menus.

#include <QString>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/frm_auto_max_view.h"
#include "app/qt/frm_view_depr.h"
#include "limits/vehicle_limit_files.h"

namespace orvane::qt::testing {

struct Shown {
    std::string title;
    std::string text;
};

// Records every box; questions take the next of `answers`, Cancel when none is left.
class ScriptedMessages final : public MessageBoxes {
  public:
    std::vector<Shown> shown;
    std::deque<MsgAnswer> answers;
    MsgAnswer Show(std::string_view text, std::string_view title, MsgButtons buttons) override {
        shown.push_back({std::string(title.empty() ? kAppTitle : title), std::string(text)});
        if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
        if (answers.empty()) return MsgAnswer::Cancel;
        const MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
};

class CountingBeeper final : public Beeper {
  public:
    int beeps = 0;
    void Beep() override { ++beeps; }
};

class FixedClock final : public Clock {
  public:
    Date today{2024, 3, 15};
    Date Today() const override { return today; }
};

// The window with scripted services, shown and active.
class Desk {
  public:
    // With `real_menus` the Tools and Help buttons pop up real QMenus; otherwise the menus are
    // recorded in `menus` and answered with `menu_answer`.
    explicit Desk(bool real_menus = false);
    ~Desk();

    ScriptedMessages messages;
    CountingBeeper beeper;
    FixedClock clock;
    QtTextMetrics metrics;
    std::vector<std::vector<std::string>> menus;
    int menu_answer = -1;
    std::unique_ptr<frmViewDepr> window;
    std::unique_ptr<VehicleLimitFiles> limit_files;
    std::unique_ptr<QtLimitEditors> limit_editors;

    // The vehicle schedules and the limit editor use the limit files of `folder`.
    void UseLimitFolder(const std::filesystem::path& folder);
    // Runs `script` on the limit editor as soon as it shows (inside its modal loop) and closes
    // it afterwards with the window's close button if the script left it open. `ran` tells
    // whether it showed within two seconds.
    void WhenEditorShows(std::function<void(FrmAutoMaxView&)> script, bool* ran = nullptr);

    // What a person does.
    void Click(Ctl id);
    void Type(const QString& text);  // into the control that has the focus
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Opens the list with the mouse and picks `entry` with the arrow keys and Enter.
    bool Choose(Ctl list, const QString& entry);
    // Clicks into a field and types `text` from its first place.
    void Fill(Ctl field, const QString& text);

    // What a person sees.
    QWidget* w(Ctl id) const { return window->control(id); }
    QString Text(Ctl id) const;
    QColor TextColour(Ctl id) const;
    bool Checked(Ctl id) const;
    bool Enabled(Ctl id) const { return w(id)->isEnabled(); }
    QString Cell(int row, int col) const;
    Ctl Focus() const;
};

// A person at the limit editor.
class EditorDesk {
  public:
    explicit EditorDesk(FrmAutoMaxView& view) : view(view) {}
    FrmAutoMaxView& view;

    void Click(Ed id);
    // Clicks into a box, selects its whole text and types `text` over it.
    void Fill(Ed box, const QString& text);
    void Type(const QString& text);  // into the control that has the focus
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    QWidget* w(Ed id) const { return view.control(id); }
    QString Text(Ed id) const;
    QColor TextColour(Ed id) const;
    bool Bold(Ed id) const { return w(id)->font().bold(); }
    Ed Focus() const;
};

}  // namespace orvane::qt::testing
