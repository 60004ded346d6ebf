#include "cli/print.h"

#include "engine/fault.h"

#ifdef ORVANE_CLI_PRINTING
#include <QGuiApplication>
#include <cstdio>

#include "app/qt/qt_printer.h"
#endif

namespace orvane::cli {

#ifdef ORVANE_CLI_PRINTING

namespace {

// Qt's notes about its own set-up (a missing runtime folder, fonts) stay off the tool's error
// output; its critical and fatal messages still come through.
void QuietQt(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

}  // namespace

struct CliPrinter::QtApp {
    int argc = 3;
    char name[11] = "orvane-cli";
    char platform[10] = "-platform";
    char offscreen[10] = "offscreen";
    char* argv[4] = {name, platform, offscreen, nullptr};
    QGuiApplication app{argc, argv};
};

bool CliPrinter::Available() {
    return true;
}

void CliPrinter::StartQt() {
    if (QCoreApplication::instance() != nullptr) return;
    qInstallMessageHandler(QuietQt);
    qt_ = std::make_unique<QtApp>();
}

void CliPrinter::UseDefaultPrinter() {
    StartQt();
    target_ = qt::QtPrinter::DefaultPrinter();
}

void CliPrinter::UsePdfFile(const std::string& file) {
    StartQt();
    target_ = qt::QtPrinter::PdfFile(file);
}

#else

struct CliPrinter::QtApp {};

bool CliPrinter::Available() {
    return false;
}
void CliPrinter::StartQt() {}
void CliPrinter::UseDefaultPrinter() {}
void CliPrinter::UsePdfFile(const std::string& /*file*/) {}

#endif

CliPrinter::CliPrinter() = default;
CliPrinter::~CliPrinter() = default;

double CliPrinter::DefaultFontSize() {
    if (!target_) Raise(fault::kNoPrinter);
    return target_->DefaultFontSize();
}

double CliPrinter::LineHeight(const PrintFont& font) {
    if (!target_) Raise(fault::kNoPrinter);
    return target_->LineHeight(font);
}

void CliPrinter::PrintPage(const std::vector<PrintItem>& items) {
    if (!target_) Raise(fault::kNoPrinter);
    target_->PrintPage(items);
}

}  // namespace orvane::cli
