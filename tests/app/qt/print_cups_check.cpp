// A person presses Print in the main window (off screen) with the system's default printer
// behind it, as the program itself has it. It prints what the window showed and how long Print
// took; tests/app/qt/cups_print_test.sh runs it against a private CUPS scheduler.
//
//   orvane-print-check            expects the job to be taken, exits 0 when it was
//   orvane-print-check --refused  expects the "Print Grid Error" box, exits 0 when it showed

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstring>

#include "app/qt/program.h"
#include "app/qt/qt_printer.h"
#include "tests/app/qt/person.h"

int main(int argc, char** argv) {
    const bool refused = argc > 1 && std::strcmp(argv[1], "--refused") == 0;
    QApplication app(argc, argv);
    orvane::qt::UseProgramStyle();
    auto printer = orvane::qt::QtPrinter::DefaultPrinter();
    orvane::qt::testing::Desk d(false, printer.get());
    using orvane::MainCtl;
    d.Fill(MainCtl::txtCost, "10000");
    if (!d.Choose(MainCtl::cboMethod, "MACRS") || !d.Choose(MainCtl::cboLife, "5")) return 2;
    d.Fill(MainCtl::txtInService, "012004");
    d.Click(MainCtl::cmdCalculate);
    if (!d.Enabled(MainCtl::cmdPrint)) return 2;

    QElapsedTimer clock;
    clock.start();
    d.Click(MainCtl::cmdPrint);
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    for (const auto& box : d.messages.shown)
        std::printf("message: [%s] %s\n", box.title.c_str(), box.text.c_str());
    std::printf("Print pressed until it returned (the job handed to CUPS): %.1f ms\n", ms);
    if (refused) {
        return d.messages.shown.size() == 1 && d.messages.shown[0].title == "Print Grid Error" ? 0
                                                                                               : 1;
    }
    return d.messages.shown.empty() ? 0 : 1;
}
