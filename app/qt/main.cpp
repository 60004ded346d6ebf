// orvane: the desktop program. It shows the main window and runs until it is closed.

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
    QGuiApplication::setDesktopFileName(QStringLiteral("orvane"));
    orvane::qt::UseProgramStyle();
    orvane::qt::Program program;
    program.window().show();
    return QApplication::exec();
}
