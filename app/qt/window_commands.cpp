#include "app/qt/window_commands.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <utility>

#include "export/mod_excel.h"

namespace orvane::qt {

QtWindowCommands::QtWindowCommands(MessageBoxes& messages, PopupMenu popup)
    : messages_(messages), popup_(std::move(popup)) {}

const std::vector<std::string>& QtWindowCommands::ToolsEntries() {
    static const std::vector<std::string> entries = {
        "Automobile Max Amount", "Clean Fuel Auto Max Amount", "Truck/Van Max Amount"};
    return entries;
}

const std::vector<std::string>& QtWindowCommands::HelpEntries() {
    static const std::vector<std::string> entries = {"About", "Contents", "Search"};
    return entries;
}

void QtWindowCommands::Export() {
    if (window_ == nullptr) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct Restore {
        ~Restore() { QApplication::restoreOverrideCursor(); }
    } restore;
    cmdExport_Click(window_->controls(), window_->depr(), services_);
}

void QtWindowCommands::Tools() {
    const int chosen = Pop(ToolsEntries());
    if (chosen < 0 || window_ == nullptr) return;
    switch (chosen) {
        case 0:
            window_->mnuAutoMax_Click();
            break;
        case 1:
            window_->munElectricAuto_Click();
            break;
        default:
            window_->mnuTruckVan_Click();
            break;
    }
}

void QtWindowCommands::Help() {
    switch (Pop(HelpEntries())) {
        case 0:  // mnuAbout_Click
            if (about_) about_();
            break;
        case 1:  // mnuContents_Click
            if (help_ != nullptr) help_->DisplayHelpContents();
            break;
        case 2:  // munSearch_Click
            if (help_ != nullptr) help_->ShowHelpSearch();
            break;
        default:
            break;
    }
}

void QtWindowCommands::HelpTopic(int topic) {
    if (help_ != nullptr) help_->ShowTopic(topic);
}

int QtWindowCommands::Pop(const std::vector<std::string>& entries) {
    const int chosen = popup_ ? popup_(entries) : -1;
    return chosen >= 0 && chosen < static_cast<int>(entries.size()) ? chosen : -1;
}

QtWindowCommands::PopupMenu QtWindowCommands::MenuAtPointer(QWidget* parent) {
    QPointer<QWidget> owner(parent);
    return [owner](const std::vector<std::string>& entries) {
        QMenu menu(owner.data());
        std::vector<QAction*> actions;
        for (const std::string& e : entries)
            actions.push_back(menu.addAction(QString::fromStdString(e)));
        QAction* picked = menu.exec(QCursor::pos());
        for (std::size_t i = 0; i < actions.size(); ++i) {
            if (actions[i] == picked) return static_cast<int>(i);
        }
        return -1;
    };
}

}  // namespace orvane::qt
