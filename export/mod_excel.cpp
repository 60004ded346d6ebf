#include "export/mod_excel.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "app/model/export_block.h"
#include "base/error_trap.h"

namespace orvane {
namespace {

constexpr double kNewWorkbookWidths[] = {50, 20, 5, 15, 15};

// Ends the application however the export ends.
class QuitAtEnd {
  public:
    explicit QuitAtEnd(Spreadsheet& sheet, ErrorTrap& trap) : sheet_(sheet), trap_(trap) {}
    ~QuitAtEnd() {
        try {
            sheet_.Quit();
        } catch (const Fault& f) {
            trap_.Report(f);
        }
    }
    QuitAtEnd(const QuitAtEnd&) = delete;
    QuitAtEnd& operator=(const QuitAtEnd&) = delete;

  private:
    Spreadsheet& sheet_;
    ErrorTrap& trap_;
};

}  // namespace

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return "/";
}

FileDialogSettings ExportDialogSettings(const std::string& home) {
    FileDialogSettings s;
    s.default_ext = "xls";
    s.initial_folder = home;
    s.title = "Select Export Path";
    s.filter = "Excel Files (*.xls)|*.xls";
    s.file_name = "Orvane_Depr.xls";
    return s;
}

std::string SetExportPath(FileDialog& dialog, MessageBoxes& boxes) {
    try {
        return dialog.ShowSave(ExportDialogSettings(HomeFolder()));
    } catch (const Fault& f) {
        if (f.number() != kCancelError) {
            boxes.Show(RoutinePrompt(f, "Error in SetExportPath "), "", MsgButtons::Ok);
        }
    }
    return "";
}

bool ExportGrid(const Particulars& particulars, const GridTexts& cells, const std::string& path,
                Spreadsheet& sheet, MessageBoxes& boxes) {
    try {
        sheet.Start();
    } catch (const Fault& fault) {
        boxes.Show(fault.description(), "", MsgButtons::Ok);
        sheet.Quit();
        return false;
    }
    ErrorTrap trap = ErrorTrap::Described(boxes);
    QuitAtEnd quit(sheet, trap);

    // One step of the export. A failure is shown and the export goes on with the next step;
    // once the application is gone, the remaining steps are skipped and the export fails.
    bool failed = false;
    auto step = [&](auto&& statement) {
        if (failed) return;
        try {
            statement();
        } catch (const Fault& fault) {
            failed = fault.number() == kSpreadsheetGone;
            trap.Report(fault);
        }
    };

    bool opened = true;
    try {
        sheet.Open(path);
    } catch (const Fault& fault) {
        opened = false;
        if (fault.number() == kSpreadsheetGone) step([&] { throw fault; });
    }
    int start_row = 1;
    if (!opened) {
        step([&] {
            sheet.Add();
            for (int col = 1; col <= 5; ++col)
                sheet.SetColumnWidth(col, kNewWorkbookWidths[col - 1]);
        });
    } else {
        step([&] { start_row = ExportStartRow(sheet.ReadColumn(3, 1, kExportSearchRows)); });
    }

    const std::vector<CellWrite> writes = ExportParticulars(particulars, start_row, trap);
    step([&] {
        for (const CellWrite& w : writes)
            sheet.Write(w.row, w.col, w.text);
    });
    step([&] {
        for (const CellWrite& w : ExportSchedule(cells, start_row))
            sheet.Write(w.row, w.col, w.text);
    });

    step([&] {
        try {
            sheet.SaveAs(path);
        } catch (const Fault& fault) {
            if (fault.description().substr(0, 32) != "Cannot access read-only document") throw;
            boxes.Show(kHeldText, kHeldTitle, MsgButtons::Ok);
            step([&] { sheet.Close(); });
            failed = true;
            return;
        }
    });
    step([&] { sheet.Close(); });
    return !failed;
}

void cmdExport_Click(MainWindowControls& f, Depr& depr, const Services& services) {
    depr.ShowStatus("");
    if (services.file_dialog == nullptr || services.spreadsheet == nullptr) {
        depr.ShowStatus(kExportFailed);
        if (services.beeper) services.beeper->Beep();
        return;
    }
    const std::string path = SetExportPath(*services.file_dialog, *services.messages);
    if (path.empty()) return;
    const bool ok = ExportGrid(ReadParticulars(f, depr.state), TextsOf(depr.schedule()), path,
                               *services.spreadsheet, *services.messages);
    depr.ShowStatus(ok ? kExportSucceeded : kExportFailed);
    if (services.beeper) services.beeper->Beep();
}

}  // namespace orvane
