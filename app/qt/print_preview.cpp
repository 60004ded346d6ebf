#include "app/qt/print_preview.h"

#include <QAction>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

#include "app/qt/qt_printer.h"

namespace orvane::qt {

void AddPrintPreview(QPushButton* button, PrintOn print_on) {
    auto* preview = new QAction(QString::fromLatin1(kPrintPreviewEntry), button);
    preview->setObjectName(QStringLiteral("mnuPrintPreview"));
    button->addAction(preview);
    button->setContextMenuPolicy(Qt::ActionsContextMenu);
    QObject::connect(
        preview, &QAction::triggered, button,
        [button, print_on = std::move(print_on)] { ShowPrintPreview(button->window(), print_on); });
}

void ShowPrintPreview(QWidget* parent, const PrintOn& print_on) {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPage(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QString::fromLatin1(kPrintPreviewEntry).remove(QStringLiteral("...")));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&print_on](QPrinter* device) {
                         QtPrinter target(*device);
                         print_on(target);
                     });
    dialog.exec();
}

}  // namespace orvane::qt
