#include "app/qt/qt_file_dialog.h"

#include <QFileDialog>

namespace orvane::qt {

std::string QtFileDialog::ShowSave(const SaveDialogSettings& settings) {
    QFileDialog dialog(parent_.data());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDefaultSuffix(QString::fromStdString(settings.default_ext));
    dialog.setDirectory(QString::fromStdString(settings.initial_folder));
    dialog.setWindowTitle(QString::fromStdString(settings.title));
    // "Excel Files (*.xls)|*.xls": Qt takes the description with its pattern.
    const std::string& filter = settings.filter;
    dialog.setNameFilter(QString::fromStdString(filter.substr(0, filter.find('|'))));
    dialog.selectFile(QString::fromStdString(settings.file_name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        throw Fault(kCancelError, "Cancel was selected.");
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace orvane::qt
