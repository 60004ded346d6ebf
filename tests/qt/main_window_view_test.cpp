// The main window driven through its widgets with the mouse and the keyboard.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "app/qt/program.h"
#include "tests/qt/person.h"

using orvane::MainCtl;
using orvane::qt::testing::Desk;

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kWhite(255, 255, 255);
const QColor kGrey(224, 224, 224);

// Cost 10000, MACRS with life 5, in service 01/2004.
void EnterMacrsFiveYear(Desk& d) {
    d.Fill(MainCtl::txtCost, "10000");
    QVERIFY(d.Choose(MainCtl::cboMethod, "MACRS"));
    QVERIFY(d.Choose(MainCtl::cboLife, "5"));
    d.Fill(MainCtl::txtInService, "012004");
}

}  // namespace

class ViewDeprTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { orvane::qt::UseProgramStyle(); }

    void opensWithItsDesignAndEveryCaptionFits() {
        Desk d;
        QCOMPARE(d.window->windowTitle(), QString("Orvane Asset Depreciation"));
        QCOMPARE(d.window->minimumSize(), d.window->maximumSize());
        QCOMPARE(d.Text(MainCtl::txtInService), QString("03/2024"));
        QCOMPARE(d.Text(MainCtl::mskSold), QString("__/____"));
        QVERIFY(d.Checked(MainCtl::optAssetType0));
        QVERIFY(!d.Enabled(MainCtl::cboClass));
        QVERIFY(!d.Enabled(MainCtl::cmdPrint));
        QVERIFY(!d.Enabled(MainCtl::txtSalesPrice));
        QCOMPARE(d.w(MainCtl::cboClass)->palette().color(QPalette::Disabled, QPalette::Base),
                 kGrey);
        QCOMPARE(d.w(MainCtl::txtCost)->palette().color(QPalette::Active, QPalette::Base), kWhite);
        QCOMPARE(d.TextColour(MainCtl::txtCost), kBlue);
        QCOMPARE(d.w(MainCtl::cmdExport)->toolTip(), QString("Export to Excel"));
        QVERIFY(static_cast<QPushButton*>(d.w(MainCtl::cmdCalculate))->isDefault());
        QCOMPARE(d.Cell(0, 1), QString(" Year "));
        QCOMPARE(d.Cell(0, 2), QString("  Depreciation  "));
        QVERIFY(d.window->grid()->isColumnHidden(0));
        QCOMPARE(d.Focus(), MainCtl::optAssetType0);
        d.CheckFits();
        // The three shown years of a group fit side by side in the grid.
        QTableView* grid = d.window->grid();
        QVERIFY(grid->columnWidth(1) + grid->columnWidth(2) + grid->columnWidth(3) <
                grid->viewport()->width());
        QVERIFY(grid->rowHeight(0) * 12 <= grid->viewport()->height());
        QVERIFY(grid->rowHeight(0) >= QFontMetrics(grid->font()).height());
    }

    // Letters beep and stay out, the amount echoes in blue until the field is left, and Tab
    // back into the field selects it all.
    void costTakesDigitsEchoesThemAndIsSelectedOnTab() {
        Desk d;
        d.Click(MainCtl::txtCost);
        d.Type("1a2");
        QCOMPARE(d.Text(MainCtl::txtCost), QString("12"));
        QCOMPARE(d.beeper.beeps, 1);
        d.Type("34567");
        QCOMPARE(d.Text(MainCtl::stbMain), QString("1,234,567"));
        QCOMPARE(d.TextColour(MainCtl::stbMain), kBlue);
        d.Type("890123");  // the eleventh character is refused
        QCOMPARE(d.Text(MainCtl::txtCost), QString("1234567890"));
        d.Press(Qt::Key_Tab);
        QCOMPARE(d.Text(MainCtl::stbMain), QString());
        QCOMPARE(d.Focus(), MainCtl::cboMethod);
        d.Press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(d.Focus(), MainCtl::txtCost);
        QCOMPARE(static_cast<QLineEdit*>(d.w(MainCtl::txtCost))->selectedText(),
                 QString("1234567890"));
        d.Type("7");
        QCOMPARE(d.Text(MainCtl::txtCost), QString("7"));
    }

    void macrsAutomobileOpensBusinessUseAndAllowances() {
        Desk d;
        QVERIFY(d.Choose(MainCtl::cboMethod, "MACRS"));
        QVERIFY(d.Enabled(MainCtl::cboClass));
        QVERIFY(!d.Enabled(MainCtl::chkBonus));
        QVERIFY(d.Choose(MainCtl::cboClass, "Automobiles (5)"));
        QCOMPARE(d.Text(MainCtl::cboClass), QString("Automobiles (5)"));
        QVERIFY(d.Enabled(MainCtl::txtBusinessPercent));
        QCOMPARE(d.Text(MainCtl::txtBusinessPercent), QString("100"));
        QCOMPARE(
            d.w(MainCtl::txtBusinessPercent)->palette().color(QPalette::Active, QPalette::Base),
            kWhite);
        for (MainCtl box : {MainCtl::chkBonus, MainCtl::chkBonus50, MainCtl::chkBonus100})
            QVERIFY(d.Enabled(box));
        QVERIFY(d.Checked(MainCtl::optConvention0));
        QVERIFY(!d.Enabled(MainCtl::optConvention2));
        // The class list drops down wide enough for its longest entry.
        auto* classes = static_cast<QComboBox*>(d.w(MainCtl::cboClass));
        const int longest =
            classes->fontMetrics().horizontalAdvance("Personel Property/no life(7)");
        QVERIFY(std::max(classes->view()->minimumWidth(), classes->width()) > longest);
    }

    // The 30% and 50% allowances exclude each other; a life of 27.5 then locks Mid Month and
    // closes the allowances.
    void allowancesExcludeEachOtherAndLife27_5LocksMidMonth() {
        Desk d;
        d.Fill(MainCtl::txtCost, "10000");
        QVERIFY(d.Choose(MainCtl::cboMethod, "MACRS"));
        QVERIFY(d.Choose(MainCtl::cboLife, "7"));
        d.Click(MainCtl::chkBonus);
        QVERIFY(d.Checked(MainCtl::chkBonus));
        QCOMPARE(d.Text(MainCtl::lblAllowance), QString("3000"));
        QCOMPARE(d.TextColour(MainCtl::lblAllowance), kGreen);
        d.Click(MainCtl::chkBonus50);
        QVERIFY(!d.Checked(MainCtl::chkBonus));
        QVERIFY(d.Checked(MainCtl::chkBonus50));
        QCOMPARE(d.Text(MainCtl::lblAllowance), QString("5000"));
        d.Press(Qt::Key_Space);  // the focused box unchecks from the keyboard too
        QVERIFY(!d.Checked(MainCtl::chkBonus50));
        QCOMPARE(d.Text(MainCtl::lblAllowance), QString());

        QVERIFY(d.Choose(MainCtl::cboLife, "20"));
        QVERIFY(d.Enabled(MainCtl::chkBonus));
        QVERIFY(d.Choose(MainCtl::cboLife, "27.5"));
        QVERIFY(d.Checked(MainCtl::optConvention2));
        QVERIFY(d.Enabled(MainCtl::optConvention2));
        QVERIFY(!d.Enabled(MainCtl::optConvention0));
        QVERIFY(!d.Enabled(MainCtl::optConvention1));
        QVERIFY(!d.Checked(MainCtl::optConvention0));
        QVERIFY(!d.Enabled(MainCtl::chkBonus));
        d.Click(MainCtl::optConvention0);  // a disabled choice cannot be clicked
        QVERIFY(d.Checked(MainCtl::optConvention2));
    }

    void replacementAssetStartsFromTheRelinquishedBasis() {
        Desk d;
        d.Click(MainCtl::optAssetType1);
        QVERIFY(d.Enabled(MainCtl::mskSold));
        EnterMacrsFiveYear(d);
        d.Fill(MainCtl::mskSold, "062006");
        QCOMPARE(d.Text(MainCtl::mskSold), QString("06/2006"));
        d.Press(Qt::Key_Return);
        QCOMPARE(d.Cell(3, 1), QString("2006"));
        QCOMPARE(d.Cell(4, 1), QString());
        const double left = d.Cell(3, 3).remove(QChar(',')).toDouble();
        QVERIFY(left > 0);
        d.Click(MainCtl::optAssetType2);
        QVERIFY(d.Enabled(MainCtl::txtAdjTaxBasis));
        QVERIFY(!d.Enabled(MainCtl::mskSold));
        QCOMPARE(d.Text(MainCtl::txtAdjTaxBasis).toDouble(), left);
        QVERIFY(!d.Text(MainCtl::txtAdjTaxBasis).contains(','));
    }

    // Alt+C with nothing typed marks the cost; Enter calculates and the grid shows the schedule;
    // the commands not built yet say so; Alt+L clears the window.
    void enterCalculatesTheScheduleAndClearEmptiesTheWindow() {
        Desk d;
        d.Press(Qt::Key_C, Qt::AltModifier);
        QCOMPARE(d.Text(MainCtl::stbMain), QString("Cost Missing! "));
        QCOMPARE(d.TextColour(MainCtl::stbMain), kRed);
        QCOMPARE(d.TextColour(MainCtl::lblCost), kRed);
        QCOMPARE(d.Focus(), MainCtl::txtCost);

        EnterMacrsFiveYear(d);
        QCOMPARE(d.Focus(), MainCtl::txtInService);
        d.Press(Qt::Key_Return);
        const QStringList years = {"2004", "2005", "2006", "2007", "2008", "2009"};
        const QStringList amounts = {"2,000.00 ", "3,200.00 ", "1,920.00 ",
                                     "1,152.00 ", "1,152.00 ", "576.00 "};
        for (int row = 1; row <= 6; ++row) {
            QCOMPARE(d.Cell(row, 1), years[row - 1]);
            QCOMPARE(d.Cell(row, 2), amounts[row - 1]);
        }
        QCOMPARE(d.Cell(1, 3), QString("8,000.00 "));
        QCOMPARE(d.Cell(6, 3), QString(".00 "));
        QCOMPARE(d.Cell(7, 1), QString());
        QCOMPARE(d.Cell(1, 4), QString());
        QCOMPARE(d.window->grid()->model()->index(1, 2).data(Qt::TextAlignmentRole).toInt(),
                 static_cast<int>(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(d.Text(MainCtl::stbMain), QString("Method: MACRS 200% DB"));
        QCOMPARE(d.TextColour(MainCtl::stbMain), kBlue);
        QVERIFY(d.Enabled(MainCtl::cmdPrint));
        QVERIFY(d.Enabled(MainCtl::cmdExport));

        d.Click(MainCtl::cmdPrint);
        d.menu_answer = 0;
        d.Press(Qt::Key_T, Qt::AltModifier);
        d.menu_answer = 2;
        d.Click(MainCtl::cmdHelp);
        QCOMPARE(d.pages.pages.size(), std::size_t{1});
        QCOMPARE(d.messages.Texts(),
                 (std::vector<std::string>{"The limit editor is not available yet.",
                                           "Search is not available yet."}));
        QCOMPARE(d.messages.shown[0].title, std::string());  // the application title
        QCOMPARE(d.menus.size(), std::size_t{2});
        QCOMPARE(d.menus[1], (std::vector<std::string>{"About", "Contents", "Search"}));

        d.Press(Qt::Key_L, Qt::AltModifier);
        QCOMPARE(d.Text(MainCtl::txtCost), QString());
        QCOMPARE(d.Text(MainCtl::cboMethod), QString());
        QCOMPARE(d.Text(MainCtl::txtInService), QString("03/2024"));
        QCOMPARE(d.Cell(1, 1), QString());
        QCOMPARE(d.Cell(1, 2), QString());
        QCOMPARE(d.Cell(0, 3), QString(" Adj. Tax Basis "));
        QVERIFY(!d.Enabled(MainCtl::cmdPrint));
        QVERIFY(!d.Enabled(MainCtl::cmdExport));
        QVERIFY(!d.Enabled(MainCtl::cboClass));
        QCOMPARE(d.Focus(), MainCtl::txtCost);
    }

    // The Qt message box behind the window's questions.
    void messageBoxCarriesTheTitleAndButtons() {
        orvane::qt::QtMessageBoxes boxes;
        QString title, text;
        qsizetype buttons = 0;
        auto answer = [&](std::function<void(QMessageBox*)> press) {
            QTimer::singleShot(0, this, [&, press] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (box == nullptr) return;
                title = box->windowTitle();
                text = box->text();
                buttons = box->buttons().size();
                press(box);
            });
        };
        answer([](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
        QCOMPARE(boxes.Show("Save Changes?", "", orvane::MsgButtons::YesNoCancel),
                 orvane::MsgAnswer::No);
        QCOMPARE(title, QString("Orvane Asset Depreciation"));
        QCOMPARE(text, QString("Save Changes?"));
        QCOMPARE(buttons, 3);
        answer([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(
            boxes.Show("Err: 9[Subscript out of range]", "Fill Grid Error", orvane::MsgButtons::Ok),
            orvane::MsgAnswer::Ok);
        QCOMPARE(title, QString("Fill Grid Error"));
        QCOMPARE(buttons, 1);
    }
};

QTEST_MAIN(ViewDeprTest)
#include "main_window_view_test.moc"
