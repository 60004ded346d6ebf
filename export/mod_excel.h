#pragma once
// modExcel: the Export command of the main window. It asks for the workbook with the save
// dialog and appends the asset's block to it through the spreadsheet application.

#include <cstdint>
#include <string>

#include "app/model/depr.h"
#include "app/model/main_window_controls.h"
#include "app/model/particulars.h"
#include "app/model/schedule_writer.h"
#include "platform/services.h"
#include "platform/spreadsheet.h"

namespace orvane {

inline constexpr std::string_view kExportSucceeded = "Export was successful.";
inline constexpr std::string_view kExportFailed = "Export failed.";
inline constexpr std::string_view kHeldTitle = "Excel Spread Sheet Open.";
inline constexpr std::string_view kHeldText = "Close your speadsheet and try exporting again.";

// The save dialog's settings, starting in `home`.
FileDialogSettings ExportDialogSettings(const std::string& home);

// The workbook the user picks, or "" on Cancel or a failure of the dialog (which is reported).
std::string SetExportPath(FileDialog& dialog, MessageBoxes& boxes);

// Appends the block to the workbook at `path` (or makes a new one there) and saves it. False
// when the spreadsheet application cannot be started or the file is held by another program;
// other failures are shown and the export goes on with its next step.
bool ExportGrid(const Particulars& particulars, const GridTexts& cells, const std::string& path,
                Spreadsheet& sheet, MessageBoxes& boxes);

// The Export button: status line emptied, path asked for, the block of the particulars as the
// fields stand and the last schedule written, outcome in the status line and a beep. Without a
// spreadsheet or dialog in `services` the export fails.
void cmdExport_Click(MainWindowControls& f, Depr& depr, const Services& services);

// The user's home folder.
std::string HomeFolder();

}  // namespace orvane
