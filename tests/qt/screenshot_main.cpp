// orvane-screenshot FILE [EDITOR_FILE]: shows the main window after a 5-year MACRS schedule has
// been typed in and calculated, and saves a picture of it to FILE (PNG). With EDITOR_FILE it
// then opens the limit editor from the Tools menu on a copy of the shipped limit files, saves a
// record with a missing amount and takes a picture of the editor with its red label and message.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <filesystem>

#include "app/qt/program.h"
#include "limits/data_folder.h"
#include "tests/qt/person.h"

namespace {

bool Save(QWidget& w, const char* name) {
    const QString file = QString::fromLocal8Bit(name);
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (!w.grab().save(file, "PNG")) {
        std::fprintf(stderr, "orvane-screenshot: cannot write %s\n", name);
        return false;
    }
    std::printf("%s\n", name);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: orvane-screenshot FILE.png [EDITOR_FILE.png]\n");
        return 2;
    }
    orvane::qt::UseProgramStyle();
    using orvane::EditorCtl;
    using orvane::MainCtl;
    orvane::qt::testing::Desk d;
    d.Fill(MainCtl::txtCost, "25000");
    bool chosen = d.Choose(MainCtl::cboMethod, "MACRS");
    chosen = chosen && d.Choose(MainCtl::cboClass, "Computers & Peripheral(5)");
    if (!chosen) std::fprintf(stderr, "orvane-screenshot: could not choose MACRS, 5 years\n");
    d.Fill(MainCtl::txtInService, "012024");
    d.Fill(MainCtl::txtDescription, "Office computers");
    d.Click(MainCtl::chkBonus50);
    d.Click(MainCtl::cmdCalculate);
    QTest::qWait(50);
    if (!Save(*d.window, argv[1])) return 1;
    if (argc == 2) return 0;

    QTemporaryDir copy;
    namespace fs = std::filesystem;
    const fs::path folder = copy.path().toStdString();
    for (std::string_view name : orvane::kLimitFileNames) {
        std::error_code ec;
        fs::copy_file(orvane::ProgramFolder() / name, folder / name, ec);
    }
    d.UseLimitFolder(folder);
    d.menu_answer = 0;
    bool saved = false;
    d.WhenEditorShows([&](orvane::qt::LimitEditorView& view) {
        orvane::qt::testing::EditorDesk e(view);
        e.Click(EditorCtl::cmdNext);
        e.Fill(EditorCtl::txtYear2, "");
        e.Press(Qt::Key_Backspace);
        e.Click(EditorCtl::cmdSave);
        QTest::qWait(50);
        saved = Save(view, argv[2]);
    });
    d.Click(MainCtl::cmdTools);
    return saved ? 0 : 1;
}
