// Print in the main window: the button, its access key, the busy cursor (the faults are the
// model's tests and golden cases), and the print preview from the button's context menu.

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/qt/program.h"
#include "tests/app/qt/person.h"

using orvane::MainCtl;
using orvane::PrintItem;
using orvane::qt::testing::Desk;
using orvane::qt::testing::WhenShown;

namespace {

// Cost 10000, MACRS with life 5, in service 01/2004, calculated.
void CalculateFiveYears(Desk& d) {
    d.Fill(MainCtl::txtCost, "10000");
    QVERIFY(d.Choose(MainCtl::cboMethod, "MACRS"));
    QVERIFY(d.Choose(MainCtl::cboLife, "5"));
    d.Fill(MainCtl::txtInService, "012004");
    d.Click(MainCtl::cmdCalculate);
    QVERIFY(d.Enabled(MainCtl::cmdPrint));
}

}  // namespace

class PrintViewTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { orvane::qt::UseProgramStyle(); }

    // Alt+P prints one page under the busy cursor, which is gone afterwards; the window stays.
    void altPPrintsOnePageUnderTheBusyCursor() {
        Desk d;
        CalculateFiveYears(d);
        bool busy = false;
        d.pages.while_printing = [&] {
            const QCursor* cursor = QApplication::overrideCursor();
            busy = cursor != nullptr && cursor->shape() == Qt::WaitCursor;
        };
        d.Press(Qt::Key_P, Qt::AltModifier);
        QCOMPARE(d.pages.pages.size(), std::size_t{1});
        QVERIFY(busy);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(d.messages.shown.empty());
        const std::vector<PrintItem> page = d.pages.pages[0];  // its items are the model's tests
        QCOMPARE(d.Cell(1, 1), QString("2004"));

        d.Click(MainCtl::cmdPrint);
        QCOMPARE(d.pages.pages.size(), std::size_t{2});
        QVERIFY(d.pages.pages[1] == page);
    }

    // A right click on Print offers "Print Preview..."; the preview shows the one page on its own
    // printer, and the window's printer prints nothing.
    void printPreviewFromTheButtonsContextMenu() {
        Desk d;
        CalculateFiveYears(d);
        auto* print = static_cast<QPushButton*>(d.w(MainCtl::cmdPrint));
        QStringList entries;
        bool menu_ran = false;
        bool preview_ran = false;
        int pages = -1;
        QString title;
        WhenShown<QMenu>(
            d.window.get(),
            [&](QMenu& menu) {
                for (QAction* a : menu.actions())
                    entries << a->text();
                WhenShown<QPrintPreviewDialog>(
                    d.window.get(),
                    [&](QPrintPreviewDialog& dialog) {
                        title = dialog.windowTitle();
                        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
                        if (preview != nullptr) {
                            preview->updatePreview();
                            pages = preview->pageCount();
                        }
                        dialog.reject();
                    },
                    &preview_ran);
                QTest::mouseClick(&menu, Qt::LeftButton, {},
                                  menu.actionGeometry(menu.actions().value(0)).center());
            },
            &menu_ran);
        const QPoint at = print->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, print->mapToGlobal(at));
        QApplication::sendEvent(print, &event);
        QTRY_VERIFY(preview_ran);
        QVERIFY(menu_ran);
        QCOMPARE(entries, QStringList{"Print Preview..."});
        QCOMPARE(title, QString("Print Preview"));
        QCOMPARE(pages, 1);
        QVERIFY(d.pages.pages.empty());
        QVERIFY(d.messages.shown.empty());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }
};

QTEST_MAIN(PrintViewTest)
#include "print_view_test.moc"
