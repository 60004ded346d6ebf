#pragma once
// "Print Preview...": the printed page in Qt's preview window, from which it can also go to any
// printer or a PDF file. The window offers it in the Print button's context menu.

#include <QString>
#include <functional>

#include "platform/printer.h"

class QPrintPreviewDialog;
class QPushButton;
class QWidget;

namespace orvane::qt {

inline constexpr const char* kPrintPreviewEntry = "Print Preview...";

// Lays out and prints the page on the printer it is given.
using PrintOn = std::function<void(Printer& printer)>;

// Adds "Print Preview..." to the context menu of `button`.
void AddPrintPreview(QPushButton* button, PrintOn print_on);

// Shows the preview of the page over `parent` and returns when it is closed.
void ShowPrintPreview(QWidget* parent, const PrintOn& print_on);

}  // namespace orvane::qt
