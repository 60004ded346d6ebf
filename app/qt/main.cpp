// orvane: the desktop program. It shows the main window, or with --register [FILE.csv] the
// register window, and runs until its windows are closed.

#include <QApplication>
#include <cstdio>

#include "app/qt/program.h"

int main(int argc, char** argv) {
    if (!orvane::qt::HasDisplay()) {
        std::puts(orvane::qt::kNoDisplayMessage);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvane"));
    const QStringList args = QApplication::arguments();
    const bool register_window = args.size() > 1 && args[1] == QStringLiteral("--register");
    QGuiApplication::setDesktopFileName(register_window ? QStringLiteral("orvane-register")
                                                        : QStringLiteral("orvane"));
    orvane::qt::UseProgramStyle();
    orvane::qt::Program program;
    if (register_window) {
        program.ShowRegister(args.size() > 2 ? args[2] : QString());
    } else {
        program.window().show();
    }
    return QApplication::exec();
}
