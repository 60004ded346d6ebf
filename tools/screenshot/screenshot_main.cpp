// orvane-screenshot FOLDER: pictures of the windows as a person leaves them, saved as PNG into
// FOLDER:
//   main-window.png        a 5-year MACRS schedule typed in and calculated;
//   focus-on-button.png    the same window after Tab has moved the focus onto Clear;
//   mid-quarter.png        Mid Quarter chosen with the arrow keys, its schedule calculated
//                          with Enter;
//   limit-editor.png       the limit editor, opened from the Tools menu on a copy of the shipped
//                          limit files, after saving a record with a missing amount;
//   help-window.png        the help window that F1 opens in the cost field, the page's entry
//                          marked in the contents;
//   about.png              the About box.

#include <QApplication>
#include <QDir>
#include <QHelpContentWidget>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <cstdio>
#include <filesystem>

#include "app/qt/about_window_view.h"
#include "app/qt/help_window.h"
#include "app/qt/program.h"
#include "help/help.h"
#include "limits/data_folder.h"
#include "tests/app/qt/person.h"

namespace {

using orvane::EditorCtl;
using orvane::MainCtl;
using orvane::qt::testing::Desk;

bool Save(QWidget& w, const QDir& folder, const char* name) {
    QTest::qWait(50);
    const QString file = folder.filePath(QString::fromLatin1(name));
    if (!w.grab().save(file, "PNG")) {
        std::fprintf(stderr, "orvane-screenshot: cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

bool CalculatedWindow(Desk& d, const QDir& folder) {
    d.Fill(MainCtl::txtCost, "25000");
    bool chosen = d.Choose(MainCtl::cboMethod, "MACRS");
    chosen = chosen && d.Choose(MainCtl::cboClass, "Computers & Peripheral(5)");
    if (!chosen) std::fprintf(stderr, "orvane-screenshot: could not choose MACRS, 5 years\n");
    d.Fill(MainCtl::txtInService, "012024");
    d.Fill(MainCtl::txtDescription, "Office computers");
    d.Click(MainCtl::chkBonus50);
    d.Click(MainCtl::cmdCalculate);
    if (!Save(*d.window, folder, "main-window.png")) return false;
    // From Calculate, Tab moves on to Clear.
    d.Press(Qt::Key_Tab);
    return Save(*d.window, folder, "focus-on-button.png");
}

// Mid Quarter reached from the keyboard alone: Tab from the life box to Half Year, then Down.
bool MidQuarterByKeyboard(Desk& d, const QDir& folder) {
    d.Click(MainCtl::cmdClear);
    d.Type("10000");
    if (!d.Choose(MainCtl::cboMethod, "MACRS")) return false;
    d.ClickText(MainCtl::txtInService);
    d.Type("112024");
    d.ClickText(MainCtl::cboLife);
    d.Type("7");
    for (int i = 0; i < 20 && d.Focus() != MainCtl::optConvention0; ++i)
        d.Press(Qt::Key_Tab);
    d.Press(Qt::Key_Down);
    if (!d.Checked(MainCtl::optConvention1)) {
        std::fprintf(stderr, "orvane-screenshot: Mid Quarter was not chosen\n");
        return false;
    }
    d.Press(Qt::Key_Return);
    // The focus stays on the chosen option after Enter.
    return Save(*d.window, folder, "mid-quarter.png");
}

bool LimitEditor(Desk& d, const QDir& folder) {
    QTemporaryDir copy;
    namespace fs = std::filesystem;
    const fs::path limits = copy.path().toStdString();
    for (std::string_view name : orvane::kLimitFileNames) {
        std::error_code ec;
        fs::copy_file(orvane::ProgramFolder() / name, limits / name, ec);
    }
    d.UseLimitFolder(limits);
    d.menu_answer = 0;
    bool saved = false;
    d.WhenEditorShows([&](orvane::qt::LimitEditorView& view) {
        orvane::qt::testing::EditorDesk e(view);
        e.Click(EditorCtl::cmdNext);
        e.Fill(EditorCtl::txtYear2, "");
        e.Press(Qt::Key_Backspace);
        e.Click(EditorCtl::cmdSave);
        saved = Save(view, folder, "limit-editor.png");
    });
    d.Click(MainCtl::cmdTools);
    return saved;
}

bool HelpAndAbout(Desk& d, const QDir& folder, const QTemporaryDir& scratch) {
    orvane::qt::QtHelpViewer viewer(d.window.get(), scratch.filePath("help.qhc"));
    orvane::Help help(d.messages, viewer);
    help.help_file = orvane::HelpFileFor(orvane::ProgramFolder()).string();
    d.window->commands().set_help(&help);
    d.window->activateWindow();
    d.Click(MainCtl::txtCost);
    QTest::keyClick(d.w(MainCtl::txtCost), Qt::Key_F1);
    orvane::qt::HelpWindow* help_window = viewer.window();
    if (help_window == nullptr) return false;
    for (int i = 0; i < 100 && help_window->contents()->model()->rowCount() == 0; ++i)
        QTest::qWait(20);
    help_window->resize(820, 560);
    if (!Save(*help_window, folder, "help-window.png")) return false;
    help_window->close();
    d.window->commands().set_help(nullptr);

    orvane::LinuxSystemKeys keys;
    orvane::qt::QtProgramStarter starter;
    orvane::qt::AboutWindowView about({&d.messages, &keys, &starter, orvane::FileExists},
                                      orvane::qt::LayoutTwips(), d.window.get());
    about.show();
    if (!QTest::qWaitForWindowExposed(&about)) std::fputs("the About box was not shown\n", stderr);
    return Save(about, folder, "about.png");
}

}  // namespace

int main(int argc, char** argv) {
    // The help window keeps its size in the settings of a scratch folder.
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", scratch.path().toLocal8Bit());
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvane-screenshot FOLDER\n");
        return 2;
    }
    orvane::qt::UseProgramStyle();
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) return 1;
    Desk d;
    const bool ok = CalculatedWindow(d, folder) && MidQuarterByKeyboard(d, folder) &&
                    LimitEditor(d, folder) && HelpAndAbout(d, folder, scratch);
    return ok ? 0 : 1;
}
