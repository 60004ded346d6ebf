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

using orvane::Ctl;
using orvane::qt::testing::Desk;

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kWhite(255, 255, 255);
const QColor kGrey(224, 224, 224);

// Cost 10000, MACRS with life 5, in service 01/2004.
void EnterMacrsFiveYear(Desk& d) {
    d.Fill(Ctl::txtCost, "10000");
    QVERIFY(d.Choose(Ctl::cboMethod, "MACRS"));
    QVERIFY(d.Choose(Ctl::cboLife, "5"));
    d.Fill(Ctl::txtInService, "012004");
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
        QCOMPARE(d.Text(Ctl::txtInService), QString("03/2024"));
        QCOMPARE(d.Text(Ctl::mskSold), QString("__/____"));
        QVERIFY(d.Checked(Ctl::optAssetType0));
        QVERIFY(!d.Enabled(Ctl::cboClass));
        QVERIFY(!d.Enabled(Ctl::cmdPrint));
        QVERIFY(!d.Enabled(Ctl::txtSalesPrice));
        QCOMPARE(d.w(Ctl::cboClass)->palette().color(QPalette::Disabled, QPalette::Base), kGrey);
        QCOMPARE(d.w(Ctl::txtCost)->palette().color(QPalette::Active, QPalette::Base), kWhite);
        QCOMPARE(d.TextColour(Ctl::txtCost), kBlue);
        QCOMPARE(d.w(Ctl::cmdExport)->toolTip(), QString("Export to Excel"));
        QVERIFY(static_cast<QPushButton*>(d.w(Ctl::cmdCalculate))->isDefault());
        QCOMPARE(d.Cell(0, 1), QString(" Year "));
        QCOMPARE(d.Cell(0, 2), QString("  Depreciation  "));
        QVERIFY(d.window->grid()->isColumnHidden(0));
        QCOMPARE(d.Focus(), Ctl::optAssetType0);
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
        d.Click(Ctl::txtCost);
        d.Type("1a2");
        QCOMPARE(d.Text(Ctl::txtCost), QString("12"));
        QCOMPARE(d.beeper.beeps, 1);
        d.Type("34567");
        QCOMPARE(d.Text(Ctl::stbMain), QString("1,234,567"));
        QCOMPARE(d.TextColour(Ctl::stbMain), kBlue);
        d.Type("890123");  // the eleventh character is refused
        QCOMPARE(d.Text(Ctl::txtCost), QString("1234567890"));
        d.Press(Qt::Key_Tab);
        QCOMPARE(d.Text(Ctl::stbMain), QString());
        QCOMPARE(d.Focus(), Ctl::cboMethod);
        d.Press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(d.Focus(), Ctl::txtCost);
        QCOMPARE(static_cast<QLineEdit*>(d.w(Ctl::txtCost))->selectedText(), QString("1234567890"));
        d.Type("7");
        QCOMPARE(d.Text(Ctl::txtCost), QString("7"));
    }

    void macrsAutomobileOpensBusinessUseAndAllowances() {
        Desk d;
        QVERIFY(d.Choose(Ctl::cboMethod, "MACRS"));
        QVERIFY(d.Enabled(Ctl::cboClass));
        QVERIFY(!d.Enabled(Ctl::chkBonus));
        QVERIFY(d.Choose(Ctl::cboClass, "Automobiles (5)"));
        QCOMPARE(d.Text(Ctl::cboClass), QString("Automobiles (5)"));
        QVERIFY(d.Enabled(Ctl::txtBusinessPercent));
        QCOMPARE(d.Text(Ctl::txtBusinessPercent), QString("100"));
        QCOMPARE(d.w(Ctl::txtBusinessPercent)->palette().color(QPalette::Active, QPalette::Base),
                 kWhite);
        for (Ctl box : {Ctl::chkBonus, Ctl::chkBonus50, Ctl::chkBonus100})
            QVERIFY(d.Enabled(box));
        QVERIFY(d.Checked(Ctl::optConvention0));
        QVERIFY(!d.Enabled(Ctl::optConvention2));
        // The class list drops down wide enough for its longest entry.
        auto* classes = static_cast<QComboBox*>(d.w(Ctl::cboClass));
        const int longest =
            classes->fontMetrics().horizontalAdvance("Personel Property/no life(7)");
        QVERIFY(std::max(classes->view()->minimumWidth(), classes->width()) > longest);
    }

    // The 30% and 50% allowances exclude each other; a life of 27.5 then locks Mid Month and
    // closes the allowances.
    void allowancesExcludeEachOtherAndLife27_5LocksMidMonth() {
        Desk d;
        d.Fill(Ctl::txtCost, "10000");
        QVERIFY(d.Choose(Ctl::cboMethod, "MACRS"));
        QVERIFY(d.Choose(Ctl::cboLife, "7"));
        d.Click(Ctl::chkBonus);
        QVERIFY(d.Checked(Ctl::chkBonus));
        QCOMPARE(d.Text(Ctl::lblAllowance), QString("3000"));
        QCOMPARE(d.TextColour(Ctl::lblAllowance), kGreen);
        d.Click(Ctl::chkBonus50);
        QVERIFY(!d.Checked(Ctl::chkBonus));
        QVERIFY(d.Checked(Ctl::chkBonus50));
        QCOMPARE(d.Text(Ctl::lblAllowance), QString("5000"));
        d.Press(Qt::Key_Space);  // the focused box unchecks from the keyboard too
        QVERIFY(!d.Checked(Ctl::chkBonus50));
        QCOMPARE(d.Text(Ctl::lblAllowance), QString());

        QVERIFY(d.Choose(Ctl::cboLife, "20"));
        QVERIFY(d.Enabled(Ctl::chkBonus));
        QVERIFY(d.Choose(Ctl::cboLife, "27.5"));
        QVERIFY(d.Checked(Ctl::optConvention2));
        QVERIFY(d.Enabled(Ctl::optConvention2));
        QVERIFY(!d.Enabled(Ctl::optConvention0));
        QVERIFY(!d.Enabled(Ctl::optConvention1));
        QVERIFY(!d.Checked(Ctl::optConvention0));
        QVERIFY(!d.Enabled(Ctl::chkBonus));
        d.Click(Ctl::optConvention0);  // a disabled choice cannot be clicked
        QVERIFY(d.Checked(Ctl::optConvention2));
    }

    void replacementAssetStartsFromTheRelinquishedBasis() {
        Desk d;
        d.Click(Ctl::optAssetType1);
        QVERIFY(d.Enabled(Ctl::mskSold));
        EnterMacrsFiveYear(d);
        d.Fill(Ctl::mskSold, "062006");
        QCOMPARE(d.Text(Ctl::mskSold), QString("06/2006"));
        d.Press(Qt::Key_Return);
        QCOMPARE(d.Cell(3, 1), QString("2006"));
        QCOMPARE(d.Cell(4, 1), QString());
        const double left = d.Cell(3, 3).remove(QChar(',')).toDouble();
        QVERIFY(left > 0);
        d.Click(Ctl::optAssetType2);
        QVERIFY(d.Enabled(Ctl::txtAdjTaxBasis));
        QVERIFY(!d.Enabled(Ctl::mskSold));
        QCOMPARE(d.Text(Ctl::txtAdjTaxBasis).toDouble(), left);
        QVERIFY(!d.Text(Ctl::txtAdjTaxBasis).contains(','));
    }

    // Alt+C with nothing typed marks the cost; Enter calculates and the grid shows the schedule;
    // the commands not built yet say so; Alt+L clears the window.
    void enterCalculatesTheScheduleAndClearEmptiesTheWindow() {
        Desk d;
        d.Press(Qt::Key_C, Qt::AltModifier);
        QCOMPARE(d.Text(Ctl::stbMain), QString("Cost Missing! "));
        QCOMPARE(d.TextColour(Ctl::stbMain), kRed);
        QCOMPARE(d.TextColour(Ctl::lblCost), kRed);
        QCOMPARE(d.Focus(), Ctl::txtCost);

        EnterMacrsFiveYear(d);
        QCOMPARE(d.Focus(), Ctl::txtInService);
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
        QCOMPARE(d.Text(Ctl::stbMain), QString("Method: MACRS 200% DB"));
        QCOMPARE(d.TextColour(Ctl::stbMain), kBlue);
        QVERIFY(d.Enabled(Ctl::cmdPrint));
        QVERIFY(d.Enabled(Ctl::cmdExport));

        d.Click(Ctl::cmdPrint);
        d.menu_answer = 0;
        d.Press(Qt::Key_T, Qt::AltModifier);
        d.menu_answer = 2;
        d.Click(Ctl::cmdHelp);
        QCOMPARE(d.messages.Texts(),
                 (std::vector<std::string>{"Printing is not available yet.",
                                           "The limit editor is not available yet.",
                                           "Search is not available yet."}));
        QCOMPARE(d.messages.shown[0].title, std::string());  // the application title
        QCOMPARE(d.menus.size(), std::size_t{2});
        QCOMPARE(d.menus[1], (std::vector<std::string>{"About", "Contents", "Search"}));

        d.Press(Qt::Key_L, Qt::AltModifier);
        QCOMPARE(d.Text(Ctl::txtCost), QString());
        QCOMPARE(d.Text(Ctl::cboMethod), QString());
        QCOMPARE(d.Text(Ctl::txtInService), QString("03/2024"));
        QCOMPARE(d.Cell(1, 1), QString());
        QCOMPARE(d.Cell(1, 2), QString());
        QCOMPARE(d.Cell(0, 3), QString(" Adj. Tax Basis "));
        QVERIFY(!d.Enabled(Ctl::cmdPrint));
        QVERIFY(!d.Enabled(Ctl::cmdExport));
        QVERIFY(!d.Enabled(Ctl::cboClass));
        QCOMPARE(d.Focus(), Ctl::txtCost);
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
#include "view_depr_test.moc"
