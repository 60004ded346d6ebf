#pragma once
// The commands that leave the main window: export and the Tools and Help pop-up menus. Export
// goes through the save dialog and the spreadsheet; the Tools entries run the window's own
// handlers, which open the limit editor; the Help entries open the About window and the help,
// and F1 opens the help on a control's topic.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "app/model/main_window_model.h"
#include "help/help.h"

namespace orvane::qt {

class QtWindowCommands final : public WindowCommands {
  public:
    // Shows a pop-up menu of `entries` at the mouse pointer and returns the chosen index, or -1
    // when it is dismissed. The window answers it with a QMenu; tests answer it themselves.
    using PopupMenu = std::function<int(const std::vector<std::string>& entries)>;

    QtWindowCommands(MessageBoxes& messages, PopupMenu popup);
    // The window whose handlers the Tools entries run.
    void set_window(MainWindowModel* window) { window_ = window; }
    // The save dialog and spreadsheet of the export.
    void set_services(const Services& services) { services_ = services; }
    // The help module of the Help entries and F1, and what shows the About window.
    void set_help(orvane::Help* help) { help_ = help; }
    void set_about(std::function<void()> about) { about_ = std::move(about); }

    void Export() override;
    void Tools() override;
    void Help() override;
    // F1 in a control with the help topic `topic` (0: none).
    void HelpTopic(int topic);

    static const std::vector<std::string>& ToolsEntries();
    static const std::vector<std::string>& HelpEntries();

    // The QMenu at the mouse pointer, over `parent`.
    static PopupMenu MenuAtPointer(QWidget* parent);

  private:
    // The chosen entry's index, or -1.
    int Pop(const std::vector<std::string>& entries);

    MessageBoxes& messages_;
    PopupMenu popup_;
    MainWindowModel* window_ = nullptr;
    Services services_;
    orvane::Help* help_ = nullptr;
    std::function<void()> about_;
};

}  // namespace orvane::qt
