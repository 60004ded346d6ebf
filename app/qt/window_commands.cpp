#include "app/qt/window_commands.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <utility>

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

void QtWindowCommands::Print() {
    NotAvailable("Printing");
}

void QtWindowCommands::Export() {
    NotAvailable("Export");
}

void QtWindowCommands::Tools() {
    Pop(ToolsEntries());
}

void QtWindowCommands::Help() {
    Pop(HelpEntries());
}

void QtWindowCommands::Pop(const std::vector<std::string>& entries) {
    int chosen = popup_ ? popup_(entries) : -1;
    if (chosen >= 0 && chosen < static_cast<int>(entries.size())) NotAvailable(entries[chosen]);
}

void QtWindowCommands::NotAvailable(const std::string& what) {
    messages_.Show(what + " is not available yet.", "", MsgButtons::Ok);
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
