// The main window driven through its widgets with the mouse and the keyboard: what a person
// does reaches the window's model, and the widgets show what it holds.

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include "app/qt/program.h"
#include "tests/app/qt/person.h"

using orvane::MainCtl;
using orvane::qt::testing::Desk;

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGrey(224, 224, 224);

// Cost 10000, MACRS with life 5, in service 01/2004.
void EnterMacrsFiveYear(Desk& d) {
    d.Fill(MainCtl::txtCost, "10000");
    QVERIFY(d.Choose(MainCtl::cboMethod, "MACRS"));
    QVERIFY(d.Choose(MainCtl::cboLife, "5"));
    d.Fill(MainCtl::txtInService, "012004");
}

// How the focus leaves a field.
enum class Leave { Tab, ClickField, ClickButton };

QImage Picture(QWidget* w) {
    return w->grab().toImage();
}

// The fields that paint a selection without having the focus.
int SelectionsWithoutFocus() {
    int n = 0;
    for (QLineEdit* edit : QApplication::activeWindow()->findChildren<QLineEdit*>()) {
        if (edit->hasSelectedText() && !edit->hasFocus()) ++n;
    }
    return n;
}

}  // namespace

class MainWindowViewTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { orvane::qt::UseProgramStyle(); }

    void opensWithItsDesignAndEveryCaptionFits() {
        Desk d;
        QCOMPARE(d.window->windowTitle(), QString("Orvane Asset Depreciation"));
        QCOMPARE(d.window->minimumSize(), d.window->maximumSize());
        QCOMPARE(d.w(MainCtl::cboClass)->palette().color(QPalette::Disabled, QPalette::Base),
                 kGrey);
        QCOMPARE(d.w(MainCtl::txtCost)->palette().color(QPalette::Active, QPalette::Base), kWhite);
        QCOMPARE(d.TextColour(MainCtl::txtCost), kBlue);
        QCOMPARE(d.w(MainCtl::cmdExport)->toolTip(), QString("Export to Excel"));
        QVERIFY(static_cast<QPushButton*>(d.w(MainCtl::cmdCalculate))->isDefault());
        QVERIFY(d.window->grid()->isColumnHidden(0));
        QCOMPARE(d.Focus(), MainCtl::optAssetType0);
        d.CheckFits();
        // The three shown years of a group fit side by side, twelve rows high.
        QTableView* grid = d.window->grid();
        QVERIFY(grid->columnWidth(1) + grid->columnWidth(2) + grid->columnWidth(3) <
                grid->viewport()->width());
        QVERIFY(grid->rowHeight(0) * 12 <= grid->viewport()->height());
        QVERIFY(grid->rowHeight(0) >= QFontMetrics(grid->font()).height());
    }

    // From the keyboard alone: Alt+C with nothing typed marks the cost and puts the focus
    // there; the method is picked with the arrow keys, the life typed, and Enter calculates.
    void keyboardOnlyRunShowsTheScheduleAndClears() {
        Desk d;
        d.Press(Qt::Key_C, Qt::AltModifier);
        QCOMPARE(d.Text(MainCtl::stbMain), QString("Cost Missing! "));
        QCOMPARE(d.TextColour(MainCtl::stbMain), kRed);
        QCOMPARE(d.TextColour(MainCtl::lblCost), kRed);
        QCOMPARE(d.Focus(), MainCtl::txtCost);
        d.Type("1a0000");
        QCOMPARE(d.beeper.beeps, 1);
        QCOMPARE(d.Text(MainCtl::stbMain), QString("10,000"));
        QCOMPARE(d.TextColour(MainCtl::stbMain), kBlue);
        d.Press(Qt::Key_Tab);
        QCOMPARE(d.Text(MainCtl::stbMain), QString());
        QCOMPARE(d.Focus(), MainCtl::cboMethod);
        for (int i = 0; i < 4 && d.Text(MainCtl::cboMethod) != "MACRS"; ++i)
            d.Press(Qt::Key_Down);
        QCOMPARE(d.Text(MainCtl::cboMethod), QString("MACRS"));
        for (int i = 0; i < 20 && d.Focus() != MainCtl::txtInService; ++i)
            d.Press(Qt::Key_Tab);
        QCOMPARE(d.Selected(MainCtl::txtInService), QString("03/2024"));
        d.Type("012004");
        d.Press(Qt::Key_Tab);
        QCOMPARE(d.Focus(), MainCtl::cboLife);
        d.Type("5");
        d.Press(Qt::Key_Return);  // the amounts are golden command-line cases
        QCOMPARE(d.Cell(1, 1) + d.Cell(1, 2) + d.Cell(1, 3), QString("20042,000.00 8,000.00 "));
        QCOMPARE(d.Cell(6, 1) + d.Cell(6, 2) + d.Cell(6, 3), QString("2009576.00 .00 "));
        QCOMPARE(d.Cell(7, 1), QString());
        QCOMPARE(d.window->grid()->model()->index(1, 2).data(Qt::TextAlignmentRole).toInt(),
                 static_cast<int>(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(d.Text(MainCtl::stbMain), QString("Method: MACRS 200% DB"));
        QVERIFY(d.Enabled(MainCtl::cmdPrint));
        d.Press(Qt::Key_L, Qt::AltModifier);
        QCOMPARE(d.Text(MainCtl::txtCost) + d.Text(MainCtl::cboMethod) + d.Cell(1, 2), QString());
        QVERIFY(!d.Enabled(MainCtl::cmdPrint));
        QCOMPARE(d.Focus(), MainCtl::txtCost);
    }

    // A mid-quarter asset entered with the mouse and calculated with a click; the life typed
    // into the life box stays a typed life (however the focus leaves a field: below).
    void mouseRunWithATypedLife() {
        Desk d;
        d.ClickText(MainCtl::txtCost);
        d.Type("10000");
        QVERIFY(d.Choose(MainCtl::cboMethod, "MACRS"));
        d.ClickText(MainCtl::txtInService);
        d.Type("022024");
        d.Click(MainCtl::optConvention1);
        d.ClickText(MainCtl::cboLife);
        d.Type("7");
        d.Click(MainCtl::cmdCalculate);
        QCOMPARE(d.Text(MainCtl::cboLife), QString("7"));
        QVERIFY(d.Checked(MainCtl::optConvention1));
        QCOMPARE(d.Cell(1, 1) + d.Cell(1, 2) + d.Cell(2, 2), QString("20242,500.00 2,143.00 "));
        // The grid scrolled to its last group shows its first again on Calculate and Clear.
        QScrollBar* bar = d.window->grid()->horizontalScrollBar();
        QVERIFY(bar->maximum() > 0);
        for (MainCtl button : {MainCtl::cmdCalculate, MainCtl::cmdClear}) {
            bar->setValue(bar->maximum());
            d.Click(button);
            QCOMPARE(bar->value(), 0);
        }
    }

    // Clicks reach the check boxes and options (a disabled one stays unchosen), Space unchecks
    // the focused box, and the business use box opens white for a listed class.
    void clicksAndSpaceReachBoxesAndOptions() {
        Desk d;
        d.Fill(MainCtl::txtCost, "10000");
        QVERIFY(d.Choose(MainCtl::cboMethod, "MACRS"));
        QVERIFY(d.Choose(MainCtl::cboLife, "7"));
        d.Click(MainCtl::chkBonus50);
        QCOMPARE(d.Text(MainCtl::lblAllowance), QString("5000"));
        QCOMPARE(d.TextColour(MainCtl::lblAllowance), QColor(0, 128, 0));
        d.Press(Qt::Key_Space);
        QVERIFY(!d.Checked(MainCtl::chkBonus50));
        QCOMPARE(d.Text(MainCtl::lblAllowance), QString());
        QVERIFY(d.Choose(MainCtl::cboLife, "27.5"));
        d.Click(MainCtl::optConvention0);  // disabled: the click does not choose it
        QVERIFY(d.Checked(MainCtl::optConvention2));
        QVERIFY(d.Choose(MainCtl::cboClass, "Automobiles (5)"));
        QCOMPARE(
            d.w(MainCtl::txtBusinessPercent)->palette().color(QPalette::Active, QPalette::Base),
            kWhite);
        // The class list drops down wide enough for its longest entry.
        auto* classes = static_cast<QComboBox*>(d.w(MainCtl::cboClass));
        const int longest =
            classes->fontMetrics().horizontalAdvance("Personel Property/no life(7)");
        QVERIFY(std::max(classes->view()->minimumWidth(), classes->width()) > longest);
    }

    // Arrow keys move through an option group and choose as they go, as a click does, past a
    // disabled option.
    void arrowKeysChooseWithinEachOptionGroup() {
        Desk d;
        d.Press(Qt::Key_Down);
        QCOMPARE(d.Focus(), MainCtl::optAssetType1);
        QVERIFY(d.Checked(MainCtl::optAssetType1));
        QVERIFY(d.Enabled(MainCtl::mskSold));  // the Relinquished handler ran
        d.Press(Qt::Key_Right);
        QVERIFY(d.Enabled(MainCtl::txtSalesPrice));
        d.Press(Qt::Key_Down);  // round to the first
        QVERIFY(d.Checked(MainCtl::optAssetType0));
        d.Press(Qt::Key_Up);
        QVERIFY(d.Checked(MainCtl::optAssetType2));

        QVERIFY(d.Choose(MainCtl::cboMethod, "MACRS"));  // Mid Month is disabled and skipped
        d.Click(MainCtl::optConvention0);
        d.Press(Qt::Key_Down);
        QVERIFY(d.Checked(MainCtl::optConvention1));
        d.Press(Qt::Key_Down);
        QCOMPARE(d.Focus(), MainCtl::optConvention0);
        QVERIFY(d.Checked(MainCtl::optConvention0));
    }

    // Every kind of tab stop shows that it has the focus, and stops showing it when the focus
    // has gone; a field that is left paints no selection. Enter presses Calculate from every
    // stop but a button (without a cost, "Cost Missing!").
    void focusShowsWhereItIsAndEnterCalculates_data() {
        QTest::addColumn<MainCtl>("stop");
        QTest::newRow("button") << MainCtl::cmdClear;
        QTest::newRow("option") << MainCtl::optConvention0;
        QTest::newRow("check box") << MainCtl::chkBonus;
        QTest::newRow("Method list") << MainCtl::cboMethod;
        QTest::newRow("Type list") << MainCtl::cboClass;
        QTest::newRow("text field") << MainCtl::txtCost;
        QTest::newRow("grid") << MainCtl::grdDepr;
    }
    void focusShowsWhereItIsAndEnterCalculates() {
        QFETCH(MainCtl, stop);
        Desk d;
        QVERIFY(d.Choose(MainCtl::cboMethod, "MACRS"));
        QVERIFY(d.Choose(MainCtl::cboLife, "7"));
        d.ClickText(MainCtl::txtDescription);
        d.Type("Van");
        d.ClickText(MainCtl::txtInService);
        QCOMPARE(SelectionsWithoutFocus(), 0);
        const QImage away = Picture(d.w(stop));
        for (int i = 0; i < 40 && d.Focus() != stop; ++i)
            d.Press(Qt::Key_Tab);
        QCOMPARE(d.Focus(), stop);
        QVERIFY2(Picture(d.w(stop)) != away, "no focus shown");
        if (stop != MainCtl::cmdClear) {
            d.Press(Qt::Key_Return);
            QCOMPARE(d.Text(MainCtl::stbMain), QString("Cost Missing! "));
            QVERIFY(!d.Checked(MainCtl::chkBonus));
        }
        d.ClickText(MainCtl::txtDescription);
        QVERIFY(d.Focus() != stop);
        QCOMPARE(Picture(d.w(stop)), away);
        QCOMPARE(SelectionsWithoutFocus(), 0);
    }

    // While a box is up the window shows what the model holds: the calculation has already
    // emptied the schedule and the status line.
    void boxShowsOverTheCurrentState() {
        Desk d;
        EnterMacrsFiveYear(d);
        d.Press(Qt::Key_Return);
        QVERIFY(d.Choose(MainCtl::cboLife, "7"));
        d.ClickText(MainCtl::cboLife);
        d.Press(Qt::Key_End);
        d.Press(Qt::Key_Backspace);
        d.Type("27.5.5");
        QStringList seen;
        d.watched.on_show = [&] {
            seen << d.Cell(1, 1) + "|" + d.Cell(1, 2) + "|" + d.Text(MainCtl::stbMain);
        };
        d.Click(MainCtl::cmdCalculate);
        QCOMPARE(d.messages.Texts(), std::vector<std::string>{"Err: 13[Type mismatch]"});
        QCOMPARE(seen, QStringList{"||"});
    }

    // Leaving any field by Tab, by a click on another field (which takes the focus) or on a
    // button keeps what was typed; a click back in selects it all (Enter: the focus test).
    void everyFieldKeepsItsTextHoweverItIsLeft_data() {
        QTest::addColumn<MainCtl>("field");
        QTest::addColumn<Leave>("leave");
        const std::pair<MainCtl, const char*> fields[] = {
            {MainCtl::txtCost, "Cost"},
            {MainCtl::txtInService, "In Service"},
            {MainCtl::cboLife, "Life"},
            {MainCtl::txtBusinessPercent, "Business %"},
            {MainCtl::mskSold, "Date Sold"},
            {MainCtl::txtDescription, "Description"},
            {MainCtl::txtSalesPrice, "Sales Price"},
            {MainCtl::txtAdjTaxBasis, "Adj Tax Basis"}};
        for (const auto& [id, name] : fields) {
            QTest::addRow("%s by Tab", name) << id << Leave::Tab;
            QTest::addRow("%s by a click on a field", name) << id << Leave::ClickField;
            QTest::addRow("%s by a click on a button", name) << id << Leave::ClickButton;
        }
    }
    void everyFieldKeepsItsTextHoweverItIsLeft() {
        QFETCH(MainCtl, field);
        QFETCH(Leave, leave);
        Desk d;
        const bool exchange = field == MainCtl::txtSalesPrice || field == MainCtl::txtAdjTaxBasis;
        d.Click(exchange ? MainCtl::optAssetType2 : MainCtl::optAssetType1);
        QVERIFY(d.Choose(MainCtl::cboMethod, "MACRS"));
        QVERIFY(d.Choose(MainCtl::cboClass, "Automobiles (5)"));
        const bool mask = field == MainCtl::txtInService || field == MainCtl::mskSold;
        d.ClickText(field);
        if (field == MainCtl::cboLife) d.Press(Qt::Key_End);
        if (field == MainCtl::mskSold) d.Press(Qt::Key_Home);
        d.Type(mask ? "072023" : "12");
        const QString typed = d.Text(field);
        QCOMPARE(typed, mask ? QString("07/2023") : QString("12"));
        const MainCtl other =
            field == MainCtl::txtDescription ? MainCtl::txtCost : MainCtl::txtDescription;
        if (leave == Leave::Tab) d.Press(Qt::Key_Tab);
        if (leave == Leave::ClickField) d.ClickText(other);
        if (leave == Leave::ClickButton) d.Click(MainCtl::cmdTools);
        QVERIFY(d.Focus() != field);
        if (leave == Leave::ClickField) QCOMPARE(d.Focus(), other);
        QCOMPARE(d.Text(field), typed);
        // A click back into a field (not Life, not Date Sold) selects all of it.
        d.ClickText(field);
        if (field != MainCtl::cboLife && field != MainCtl::mskSold)
            QCOMPARE(d.Selected(field), typed);
    }

    // A clicked cell, or a range stretched with Shift, copies as tab-separated years;
    // Ctrl+A then Ctrl+C, and "Copy Schedule" from the grid's menu, copy a schedule over all
    // four groups of the grid in year order.
    void scheduleCopiesAsTabSeparatedYears() {
        Desk d;
        EnterMacrsFiveYear(d);
        d.Press(Qt::Key_Return);
        QTableView* grid = d.window->grid();
        auto click_cell = [&](int row, int col, Qt::KeyboardModifiers mods = Qt::NoModifier) {
            const QRect cell = grid->visualRect(grid->model()->index(row, col));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, mods, cell.center());
        };
        click_cell(2, 2);
        QCOMPARE(d.Focus(), MainCtl::grdDepr);
        d.Press(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("3200.00"));
        click_cell(1, 1);
        click_cell(3, 2, Qt::ShiftModifier);
        d.Press(Qt::Key_Down, Qt::ShiftModifier);
        d.Press(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 QString("2004\t2000.00\n2005\t3200.00\n2006\t1920.00\n2007\t1152.00\n"));

        QVERIFY(d.Choose(MainCtl::cboLife, "39"));
        d.Press(Qt::Key_Return);
        click_cell(1, 2);
        d.Press(Qt::Key_A, Qt::ControlModifier);
        d.Press(Qt::Key_C, Qt::ControlModifier);
        const QString by_keys = QApplication::clipboard()->text();
        QApplication::clipboard()->clear();
        d.menu_answer = 1;
        orvane::qt::testing::RightClickOn(grid->viewport(), QPoint(5, 5));
        QCOMPARE(d.menus.back(), (std::vector<std::string>{"Copy", "Copy Schedule"}));
        QCOMPARE(QApplication::clipboard()->text(), by_keys);
        const QStringList lines = by_keys.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + 40);
        QCOMPARE(lines[0], QString("Year\tDepreciation\tAdj. Tax Basis"));
        for (int i = 1; i < lines.size(); ++i)
            QCOMPARE(lines[i].split('\t')[0].toInt(), 2003 + i);
    }

    // The editing keys and the field's menu go through the field's filter, echo and handlers.
    void fieldsTakeTheEditingKeysAndTheirMenu() {
        Desk d;
        // Keys of letters outside ASCII reach Description, and the caret counts characters.
        d.ClickText(MainCtl::txtDescription);
        d.Type(QString::fromUtf8("Z\u00fcrich"));
        for (int i = 0; i < 5; ++i)
            d.Press(Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(d.Selected(MainCtl::txtDescription), QString::fromUtf8("\u00fcrich"));
        d.ClickText(MainCtl::txtCost);
        d.Type("12345");
        d.Press(Qt::Key_A, Qt::ControlModifier);
        d.Press(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("12345"));
        QCOMPARE(d.Text(MainCtl::txtCost) + d.Text(MainCtl::stbMain), QString());
        d.Press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(d.Text(MainCtl::stbMain), QString("12,345"));
        d.Press(Qt::Key_Left, Qt::ShiftModifier);
        d.Press(Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(d.Selected(MainCtl::txtCost), QString("45"));
        d.Type("9a");
        QCOMPARE(d.Text(MainCtl::txtCost), QString("1239"));
        QCOMPARE(d.beeper.beeps, 1);

        QApplication::clipboard()->setText("Delivery van");
        auto right_click = [&](MainCtl field, int answer) {
            d.menu_answer = answer;
            orvane::qt::testing::RightClickOn(d.w(field), d.w(field)->rect().center());
        };
        right_click(MainCtl::txtDescription, 2);
        QCOMPARE(d.menus.back(), (std::vector<std::string>{"Cut", "Copy", "Paste", "Select All"}));
        QCOMPARE(d.Focus(), MainCtl::txtDescription);
        QCOMPARE(d.Text(MainCtl::txtDescription), QString("Delivery van"));
        right_click(MainCtl::txtDescription, 3);
        right_click(MainCtl::txtDescription, 0);
        QCOMPARE(d.Text(MainCtl::txtDescription), QString());
        // A pasted amount replaces the field's text and echoes as a typed one does.
        QApplication::clipboard()->setText("2500");
        right_click(MainCtl::txtCost, 2);
        QCOMPARE(d.Text(MainCtl::txtCost), QString("2500"));
        QCOMPARE(d.Text(MainCtl::stbMain), QString("2,500"));
    }
};

QTEST_MAIN(MainWindowViewTest)
#include "main_window_view_test.moc"
