// orvane-screenshot FILE: shows the main window after a 5-year MACRS schedule has been typed in
// and calculated, and saves a picture of it to FILE (PNG).

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QTest>
#include <cstdio>

#include "app/qt/program.h"
#include "tests/qt/person.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvane-screenshot FILE.png\n");
        return 2;
    }
    orvane::qt::UseProgramStyle();
    using orvane::Ctl;
    orvane::qt::testing::Desk d;
    d.Fill(Ctl::txtCost, "25000");
    bool chosen = d.Choose(Ctl::cboMethod, "MACRS");
    chosen = chosen && d.Choose(Ctl::cboClass, "Computers & Peripheral(5)");
    if (!chosen) std::fprintf(stderr, "orvane-screenshot: could not choose MACRS, 5 years\n");
    d.Fill(Ctl::txtInService, "012024");
    d.Fill(Ctl::txtDescription, "Office computers");
    d.Click(Ctl::chkBonus50);
    d.Click(Ctl::cmdCalculate);
    QTest::qWait(50);
    const QString file = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (!d.window->grab().save(file, "PNG")) {
        std::fprintf(stderr, "orvane-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s\n", argv[1]);
    return 0;
}
