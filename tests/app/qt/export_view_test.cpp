// Export from the window: the button and Alt+E run it over the window's schedule, the status
// line shows the outcome, and the Qt save dialog carries the export's settings.

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/qt/program.h"
#include "app/qt/qt_file_dialog.h"
#include "tests/app/qt/person.h"

using orvane::MainCtl;
using orvane::qt::testing::Desk;

class ExportViewTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { orvane::qt::UseProgramStyle(); }

    void exportButtonAppendsTheScheduleAndCancelEmptiesTheStatus() {
        Desk d;
        d.Fill(MainCtl::txtCost, "10000");
        QVERIFY(d.Choose(MainCtl::cboMethod, "MACRS"));
        QVERIFY(d.Choose(MainCtl::cboLife, "5"));
        d.Fill(MainCtl::txtInService, "012004");
        d.Click(MainCtl::cmdCalculate);
        QVERIFY(d.Enabled(MainCtl::cmdExport));

        const int beeps = d.beeper.beeps;
        d.file_dialog.answer = "/home/person/Orvane_Depr.xls";
        d.Click(MainCtl::cmdExport);
        QCOMPARE(d.Text(MainCtl::stbMain), QString("Export was successful."));
        const orvane::FakeWorkbook& book = d.spreadsheet.files.at("/home/person/Orvane_Depr.xls");
        QCOMPARE(book.Cell(2, 3), std::string("         2004"));  // the rest: the model's tests
        QCOMPARE(d.beeper.beeps, beeps + 1);

        // Alt+E, then Cancel: nothing more is written and the status line is emptied.
        d.file_dialog.answer.reset();
        const std::size_t calls = d.spreadsheet.log.size();
        d.Press(Qt::Key_E, Qt::AltModifier);
        QCOMPARE(d.file_dialog.shown.size(), std::size_t{2});
        QCOMPARE(d.Text(MainCtl::stbMain), QString());
        QCOMPARE(d.spreadsheet.log.size(), calls);
    }

    void saveDialogShowsTheSettingsAndAddsTheExtension() {
        orvane::qt::QtFileDialog dialog;
        orvane::FileDialogSettings s;
        s.title = "Select Export Path";
        s.filter = "Excel Files (*.xls)|*.xls";
        s.default_ext = "xls";
        s.initial_folder = QDir::tempPath().toStdString();
        s.file_name = "Orvane_Depr.xls";

        QString title, filter, name, folder;
        QTimer::singleShot(0, this, [&] {
            auto* shown = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(shown);
            title = shown->windowTitle();
            filter = shown->nameFilters().join(';');
            folder = shown->directory().absolutePath();
            auto* edit = shown->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(edit);
            name = edit->text();
            edit->selectAll();
            QTest::keyClicks(edit, "assets");
            QTest::keyClick(edit, Qt::Key_Return);
        });
        const std::string path = dialog.ShowSave(s);
        QCOMPARE(title, QString("Select Export Path"));
        QCOMPARE(filter, QString("Excel Files (*.xls)"));
        QCOMPARE(name, QString("Orvane_Depr.xls"));
        QCOMPARE(folder, QDir(QDir::tempPath()).absolutePath());
        QCOMPARE(QString::fromStdString(path), QDir(QDir::tempPath()).filePath("assets.xls"));

        bool cancelled = false;
        QTimer::singleShot(
            0, this, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
        try {
            dialog.ShowSave(s);
        } catch (const orvane::Fault& f) {
            cancelled = f.number() == orvane::kCancelError;
        }
        QVERIFY(cancelled);
    }
};

QTEST_MAIN(ExportViewTest)
#include "export_view_test.moc"
