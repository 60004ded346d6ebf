// orvane-install-probe: starts the program as orvane does, from wherever it was copied, and
// checks that it finds its help file (F1 in the cost field opens the cost page) and its limit
// files (the user's data folder, seeded from the shipped files). Prints one line per check and
// exits 1 when one fails.

#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <cstdio>
#include <filesystem>

#include "app/qt/program.h"
#include "limits/data_folder.h"
#include "limits/vehicle_limit_files.h"

namespace {

int failures = 0;

void Check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    if (!ok) ++failures;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    orvane::qt::UseProgramStyle();
    orvane::qt::Program program;
    program.window().show();
    if (!QTest::qWaitForWindowExposed(&program.window())) std::puts("the window was not shown");

    namespace fs = std::filesystem;
    const fs::path share = orvane::ProgramFolder().parent_path() / "share" / "orvane";
    Check(program.help().help_file == (share / "orvane.qch").string(),
          "help file " + program.help().help_file);

    QWidget* cost = program.window().control(orvane::MainCtl::txtCost);
    QTest::mouseClick(cost, Qt::LeftButton);
    QTest::keyClick(cost, Qt::Key_F1);
    const orvane::qt::HelpWindow* help = program.help_viewer().window();
    Check(help != nullptr && help->isVisible(), "F1 opens the help window");
    if (help != nullptr) {
        const QString source = help->page()->source().toString();
        Check(help->tabs()->isEnabled() && source.endsWith("pages/entering.html#cost"),
              "on the cost page: " + source.toStdString());
        Check(help->page()->toPlainText().contains("What the asset cost you"),
              "the cost page is read from the help file");
    }

    // Tools, "Automobile Max Amount": the limit editor opens on the user's copy of the table.
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const fs::path folder = fs::path(xdg != nullptr ? xdg : "") / "orvane";
    Check(xdg != nullptr && !fs::exists(folder), "no data folder before the first use");
    QString editor;
    QTimer::singleShot(100, [] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        }
    });
    QTimer::singleShot(600, [&editor] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            editor = modal->windowTitle();
            modal->close();
        }
    });
    QTest::mouseClick(program.window().control(orvane::MainCtl::cmdTools), Qt::LeftButton);
    Check(editor == "Automobile  Maximun Amounts",
          "the limit editor opened: " + editor.toStdString());
    for (std::string_view name : orvane::kLimitFileNames) {
        std::error_code ec;
        Check(fs::file_size(folder / name, ec) == fs::file_size(share / name, ec) && !ec,
              "seeded " + std::string(name));
    }
    return failures == 0 ? 0 : 1;
}
