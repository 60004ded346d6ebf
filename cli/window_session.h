#pragma once
// One scripted run of the main window: the scripted answers (platform/scripted.h) in place of a
// person, the printer of --print and --print-pdf, LibreOffice for Export with the save dialog
// answered by --export's FILE, and the vehicle limits of the chosen folder. The settings that
// make it (--limits-dir, --today, --answer) are rows shared by the commands that run windows.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/model/main_window_model.h"
#include "cli/options.h"
#include "cli/print.h"
#include "export/calc_spreadsheet.h"
#include "limits/vehicle_limit_files.h"
#include "platform/scripted.h"

namespace orvane::cli {

struct SessionSettings {
    std::optional<std::string> limits_dir;
    std::optional<Date> today;  // none: the system's day
    MsgAnswer answer = MsgAnswer::Yes;
};

// The folder of the limit files: --limits-dir, or where the program keeps them.
std::filesystem::path LimitsFolderOf(const SessionSettings& s);

struct WindowSession {
    ScriptedPlatform platform;
    CliPrinter printer;
    ScriptedFileDialog dialog;  // answered by --export FILE
    CalcSpreadsheet spreadsheet;
    std::unique_ptr<VehicleLimitFiles> limits;

    WindowSession(const SessionSettings& s, const std::filesystem::path& folder);

    // Print goes to the printer the script chose, Export to LibreOffice; the pointer is
    // nobody's to see.
    Services WindowServices();
    // A freshly loaded main window that finds the vehicle limits in the session's folder.
    MainWindowModel LoadWindow();
};

// The checks and readings of the session's rows.
std::optional<Date> ReadDate(const std::string& s);
void CheckDate(std::string_view option, const std::string& value);

// The session's rows, for any command whose settings hold a `session`.
template <class Settings, class Actor>
constexpr Option<Settings, Actor> LimitsDirRow() {
    return {.name = "limits-dir",
            .value = "DIR",
            .help = "folder of AutoMax.DAT, Electric.DAT, TruckMax.DAT",
            .check = FolderName,
            .setting = [](Settings& s, const std::string& v) { s.session.limits_dir = v; }};
}

template <class Settings, class Actor>
constexpr Option<Settings, Actor> TodayRow() {
    return {.name = "today",
            .value = "YYYY-MM-DD",
            .help = "the date the program takes as today",
            .check = CheckDate,
            .setting = [](Settings& s, const std::string& v) { s.session.today = ReadDate(v); }};
}

template <class Settings, class Actor>
constexpr Option<Settings, Actor> AnswerRow() {
    return {
        .name = "answer",
        .help = "the answer to a Yes/No/Cancel question (default yes)",
        .choices = kAnswerNames,
        .setting = [](Settings& s, const std::string& v) { s.session.answer = AnswerNamed(v); }};
}

}  // namespace orvane::cli
