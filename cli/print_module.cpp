// orvane-cli-print.so: Qt's printers for orvane-cli (cli/print_module.h).

#include <QGuiApplication>
#include <cstdio>

#include "app/qt/qt_printer.h"
#include "cli/print_module.h"

namespace orvane::cli {
namespace {

// Qt's notes about its own set-up (a missing runtime folder, fonts) stay off the tool's error
// output; its critical and fatal messages still come through.
void QuietQt(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

struct QtApp {
    int argc = 3;
    char name[11] = "orvane-cli";
    char platform[10] = "-platform";
    char offscreen[10] = "offscreen";
    char* argv[4] = {name, platform, offscreen, nullptr};
    QGuiApplication app{argc, argv};
};

void* StartQt() {
    if (QCoreApplication::instance() != nullptr) return nullptr;
    qInstallMessageHandler(QuietQt);
    return new QtApp;
}

void StopQt(void* app) {
    delete static_cast<QtApp*>(app);
}

Printer* DefaultPrinter() {
    return qt::QtPrinter::DefaultPrinter().release();
}

Printer* PdfFile(const char* file) {
    return qt::QtPrinter::PdfFile(file).release();
}

constexpr PrintModule kModule{kPrintModuleVersion, StartQt, StopQt, DefaultPrinter, PdfFile};

}  // namespace
}  // namespace orvane::cli

extern "C" __attribute__((visibility("default"))) const orvane::cli::PrintModule*
orvane_cli_print_module() {
    return &orvane::cli::kModule;
}
