// The limit editor opened from the main window's Tools menu and driven through its widgets.

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "app/qt/program.h"
#include "tests/app/qt/person.h"

using orvane::EditorCtl;
using orvane::MainCtl;
using orvane::MsgAnswer;
using orvane::qt::LimitEditorView;
using orvane::qt::testing::Desk;
using orvane::qt::testing::EditorDesk;
using orvane::testing::ReadBytes;
using orvane::testing::Rec;
using orvane::testing::WriteBytes;

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

// A limit folder of hand-made files: each table's 2004 first-year limit tells it apart.
struct LimitFolder : orvane::testing::ScratchFolder {
    LimitFolder() {
        WriteBytes(*this / "AutoMax.DAT",
                   Rec("2003", "7660", "3060", "4900", "2950", "1775", "10710") +
                       Rec("2004", "7560", "2960", "4800", "2850", "1675", "10610"));
        WriteBytes(*this / "Electric.DAT", Rec("2004", "0", "8880", "14200", "8450", "5125", "0"));
        WriteBytes(*this / "TruckMax.DAT",
                   Rec("2004", "7960", "3260", "5300", "3150", "1875", "11010"));
    }
};

}  // namespace

class LimitEditorTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { orvane::qt::UseProgramStyle(); }

    // Each entry of the real Tools menu opens its own table modally, the clean-fuel one under
    // its own caption; Esc closes an unchanged record, the close button a changed one, without
    // a question, and neither writes anything.
    void toolsMenuOpensEachTable() {
        LimitFolder folder;
        Desk d(true);
        d.UseLimitFolder(folder.path());
        const std::string before = ReadBytes(folder / "TruckMax.DAT");
        QStringList opened;
        for (int entry = 0; entry < 3; ++entry) {
            QTimer::singleShot(0, d.window.get(), [entry] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                if (menu == nullptr) return;
                for (int i = 0; i <= entry; ++i)
                    QTest::keyClick(menu, Qt::Key_Down);
                QTest::keyClick(menu, Qt::Key_Return);
            });
            bool shown = false;
            d.WhenEditorShows(
                [&](LimitEditorView& view) {
                    EditorDesk e(view);
                    const bool modal = QApplication::activeModalWidget() == &view;
                    opened << view.windowTitle() + "|" + e.Text(EditorCtl::txtYear) + "|" +
                                  e.Text(EditorCtl::txtYear1) + (modal ? "" : "|modeless");
                    if (entry == 0) e.CheckFits();
                    if (entry < 2) {
                        e.Press(Qt::Key_Escape);
                    } else {
                        e.Type("9");
                        view.close();
                    }
                },
                &shown);
            d.Click(MainCtl::cmdTools);
            QVERIFY2(shown, "the limit editor did not show");
        }
        QCOMPARE(opened, (QStringList{"Automobile  Maximun Amounts|2003|3060",
                                      "Clean Fuel Auto Max Amount|2004|8880",
                                      "Automobile  Maximun Amounts|2004|3260"}));
        QVERIFY(d.messages.shown.empty());
        QCOMPARE(ReadBytes(folder / "TruckMax.DAT"), before);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // Keys and clicks through the filter, Next with the save question, Add, Save and Close
    // saving on Yes; the main window's next vehicle schedule then uses what was saved.
    void editsReachTheFileAndTheSchedule() {
        LimitFolder folder;
        Desk d;
        d.UseLimitFolder(folder.path());
        d.menu_answer = 0;
        bool shown = false;
        d.WhenEditorShows([&](LimitEditorView& view) { EditRecords(d, EditorDesk(view)); }, &shown);
        d.Click(MainCtl::cmdTools);
        QVERIFY(shown);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(QTest::qWaitForWindowActive(d.window.get()));

        const std::string stored = ReadBytes(folder / "AutoMax.DAT");
        QCOMPARE(stored.substr(34), Rec("2004", "7560", "2961", "4800", "2850", "1675", "10610") +
                                        Rec("2005", "0", "2345", "3456", "2100", "1200", ""));

        // A passenger automobile placed in service in 2005: the first year stops at 2,345.
        d.Fill(MainCtl::txtCost, "50000");
        QVERIFY(d.Choose(MainCtl::cboMethod, "MACRS"));
        QVERIFY(d.Choose(MainCtl::cboClass, "Automobiles (5)"));
        d.Fill(MainCtl::txtInService, "012005");
        d.Click(MainCtl::cmdCalculate);
        QCOMPARE(d.Cell(1, 1) + d.Cell(1, 2) + d.Cell(2, 2), QString("20052,345.00 3,456.00 "));
    }

    // A click into a box that selects its text on Tab selects it too (not so a box without that
    // handler); the focus shows where it is; Space and Enter press the focused button.
    void clickedBoxesAndFocusAsWithTheKeyboard() {
        LimitFolder folder;
        Desk d;
        d.UseLimitFolder(folder.path());
        d.menu_answer = 0;
        bool shown = false;
        d.WhenEditorShows(
            [&](LimitEditorView& view) {
                EditorDesk e(view);
                e.ClickText(EditorCtl::txtYear1);
                QCOMPARE(e.Selected(EditorCtl::txtYear1), QString("3060"));
                e.Type("3100");
                // No button is the default: Enter in a box is a key the box refuses.
                e.Press(Qt::Key_Return);
                QCOMPARE(d.beeper.beeps, 1);
                e.ClickText(EditorCtl::txtYear0);
                QCOMPARE(e.Selected(EditorCtl::txtYear0) + e.Selected(EditorCtl::txtYear1), "");

                QWidget* next = e.w(EditorCtl::cmdNext);
                const QImage away = next->grab().toImage();
                for (int i = 0; i < 10 && e.Focus() != EditorCtl::cmdNext; ++i)
                    e.Press(Qt::Key_Tab);
                QCOMPARE(e.Focus(), EditorCtl::cmdNext);
                QVERIFY2(next->grab().toImage() != away, "no focus shown on Next");
                // Space presses the focused button: the changed record asks first.
                d.messages.answers = {MsgAnswer::Cancel};
                e.Press(Qt::Key_Space);
                QCOMPARE(d.messages.Texts(), std::vector<std::string>{"Save Changes?"});
                // Enter presses the focused button: Previous, its question answered No.
                e.Press(Qt::Key_Tab);
                QCOMPARE(e.Focus(), EditorCtl::cmdPrevious);
                QCOMPARE(next->grab().toImage(), away);
                d.messages.answers = {MsgAnswer::No};
                e.Press(Qt::Key_Return);
                QCOMPARE(d.messages.Texts(), std::vector<std::string>(2, "Save Changes?"));
                QCOMPARE(e.Text(EditorCtl::stbAuto), QString("No more records."));
            },
            &shown);
        d.Click(MainCtl::cmdTools);
        QVERIFY(shown);
    }

  private:
    static void EditRecords(Desk& d, const EditorDesk& e) {
        // Record 1 with the year selected in the focused year box.
        QCOMPARE(e.Focus(), EditorCtl::txtYear);
        QCOMPARE(e.Selected(EditorCtl::txtYear), QString("2003"));

        // A letter in the year is kept out with a beep, and marks the record as changed.
        e.Press(Qt::Key_End);
        e.Type("x");
        QCOMPARE(d.beeper.beeps, 1);
        QCOMPARE(e.TextColour(EditorCtl::stbAuto), kRed);

        // Next asks first: Cancel stays, No moves on without saving.
        d.messages.answers = {MsgAnswer::Cancel, MsgAnswer::No};
        e.Click(EditorCtl::cmdNext);
        e.Press(Qt::Key_N, Qt::AltModifier);
        QCOMPARE(e.Text(EditorCtl::txtYear), QString("2004"));
        QCOMPARE(d.messages.Texts(), std::vector<std::string>(2, "Save Changes?"));

        // A new record: saving without the 30% amount turns its label red.
        e.Click(EditorCtl::cmdAdd);
        e.Type("2005");
        e.Click(EditorCtl::cmdSave);
        QCOMPARE(e.TextColour(EditorCtl::lblYear0), kRed);
        QCOMPARE(e.Focus(), EditorCtl::txtYear0);
        // The tab order runs from the 30% box to the first to fourth years, the 50% box last.
        e.Fill(EditorCtl::txtYear0, "0");
        for (const char* amount : {"2345", "3456", "2100", "1200"}) {
            e.Press(Qt::Key_Tab);
            e.Type(amount);
        }
        e.Press(Qt::Key_S, Qt::AltModifier);
        QCOMPARE(e.TextColour(EditorCtl::stbAuto), kBlue);

        // Back to 2004 without a question; change it and close, saving on Yes.
        e.Click(EditorCtl::cmdPrevious);
        e.Fill(EditorCtl::txtYear1, "2961");
        d.messages.answers = {MsgAnswer::Yes};
        e.Press(Qt::Key_Escape);
        QCOMPARE(d.messages.shown.size(), std::size_t{3});
        QVERIFY(!e.view.isVisible());
    }
};

QTEST_MAIN(LimitEditorTest)
#include "limit_editor_view_test.moc"
