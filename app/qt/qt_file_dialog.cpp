#include "app/qt/qt_file_dialog.h"

#include <QFileDialog>

namespace orvane::qt {

std::string QtFileDialog::ShowSave(const FileDialogSettings& settings) {
    return Show(settings, true);
}

std::string QtFileDialog::ShowOpen(const FileDialogSettings& settings) {
    return Show(settings, false);
}

std::string QtFileDialog::Show(const FileDialogSettings& settings, bool save) {
    QFileDialog dialog(parent_.data());
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !settings.confirm_overwrite);
    dialog.setDefaultSuffix(QString::fromStdString(settings.default_ext));
    dialog.setDirectory(QString::fromStdString(settings.initial_folder));
    dialog.setWindowTitle(QString::fromStdString(settings.title));
    // "Excel Files (*.xls)|*.xls": Qt takes each description with its pattern.
    const QStringList parts = QString::fromStdString(settings.filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        filters << parts[i];
    dialog.setNameFilters(filters);
    dialog.selectFile(QString::fromStdString(settings.file_name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        throw Fault(kCancelError, "Cancel was selected.");
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace orvane::qt
