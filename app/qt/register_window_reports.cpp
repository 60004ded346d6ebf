// The register window's reports of the chosen tax year: the workbook (.xlsx written directly,
// .ods stored by LibreOffice) and the printed depreciation report, on the default printer or in
// Qt's preview.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <filesystem>

#include "app/qt/print_preview.h"
#include "app/qt/qt_printer.h"
#include "app/qt/register_window_view.h"
#include "platform/fault.h"
#include "report/report_pages.h"
#include "workbook/workbook_file.h"

namespace orvane::qt {

bool RegisterWindowView::FiguresReady() {
    const RegisterWindowControls& c = model_.controls();
    std::string why;
    if (c.figuring) {
        why = "The year's figures are still being made; try again in a moment.";
    } else if (!c.figures.errors.empty()) {
        why = "The report needs every row read. " + c.figures.errors.front().second;
    } else if (model_.book().size() == 0) {
        why = "The register holds no assets to report.";
    }
    if (!why.empty()) boxes_.Show(why, "", MsgButtons::Ok);
    return why.empty();
}

void RegisterWindowView::SaveWorkbookCommand() {
    if (!FiguresReady()) return;
    QString file = PickWorkbook();
    if (file.isEmpty()) return;
    if (!workbook::WorkbookName(file.toStdString())) file += QStringLiteral(".xlsx");
    std::string error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool saved = workbook::SaveWorkbook(file.toStdString(), model_.book(),
                                              model_.controls().figures, limits_, error);
    QApplication::restoreOverrideCursor();
    if (!saved) {
        boxes_.Show(error, "", MsgButtons::Ok);
        return;
    }
    message_->setStyleSheet(QString());
    message_->setText(tr("Workbook saved: %1").arg(file));
}

QString RegisterWindowView::PickWorkbook() {
    FileDialogSettings s;
    s.title = "Save Workbook";
    s.initial_folder = std::filesystem::path(model_.controls().file).parent_path().string();
    s.filter = "Excel workbook (*.xlsx)|*.xlsx|OpenDocument spreadsheet (*.ods)|*.ods";
    s.confirm_overwrite = true;
    try {
        return QString::fromStdString(files_.ShowSave(s));
    } catch (const Fault&) {
        return {};  // Cancel
    }
}

std::vector<std::vector<PrintItem>> RegisterWindowView::ReportPages(Printer& printer) const {
    const report::ReportParticulars particulars{taxpayer_->text().toStdString(), clock_.Today()};
    return report::RegisterReportPages(model_.book(), model_.controls().figures, particulars,
                                       printer);
}

void RegisterWindowView::PrintCommand(bool preview) {
    if (!FiguresReady()) return;
    try {
        if (preview) {
            ShowPrintPreview(this, [this](Printer& p) { p.PrintPages(ReportPages(p)); });
            return;
        }
        printer_.PrintPages(ReportPages(printer_));
        message_->setStyleSheet(QString());
        message_->setText(tr("The report went to the printer."));
    } catch (const Fault& f) {
        boxes_.Show(f.description(), "", MsgButtons::Ok);
    }
}

}  // namespace orvane::qt
