// orvane-screenshot FOLDER: pictures of the windows as a person leaves them, saved as PNG into
// FOLDER:
//   main-window.png        a 5-year MACRS schedule typed in and calculated;
//   focus-on-button.png    the same window after Tab has moved the focus onto Clear;
//   mid-quarter.png        Mid Quarter chosen with the arrow keys, its schedule calculated
//                          with Enter;
//   limit-editor.png       the limit editor, opened from the Tools menu on a copy of the shipped
//                          limit files, after saving a record with a missing amount.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <filesystem>

#include "app/qt/program.h"
#include "limits/data_folder.h"
#include "tests/qt/person.h"

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

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvane-screenshot FOLDER\n");
        return 2;
    }
    orvane::qt::UseProgramStyle();
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) return 1;
    Desk d;
    const bool ok =
        CalculatedWindow(d, folder) && MidQuarterByKeyboard(d, folder) && LimitEditor(d, folder);
    return ok ? 0 : 1;
}
