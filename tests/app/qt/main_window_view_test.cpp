// The main window driven through its widgets with the mouse and the keyboard.

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <tuple>

#include "app/qt/program.h"
#include "tests/app/qt/person.h"

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

// How the focus leaves a field.
enum class Leave { Tab, ClickField, ClickButton };

// Clear, then cost 10000, MACRS, in service 02/2024 and Mid Quarter, all by mouse and keys.
void EnterMidQuarterAsset(Desk& d) {
    d.Click(MainCtl::cmdClear);
    d.Type("10000");
    QVERIFY(d.Choose(MainCtl::cboMethod, "MACRS"));
    d.ClickText(MainCtl::txtInService);
    d.Type("022024");
    d.Click(MainCtl::optConvention1);
    QVERIFY(d.Checked(MainCtl::optConvention1));
}

// The picture of a widget as it is painted now.
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

// Pixels of `image` in strong blue, as blue text leaves them.
int BluePixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 200 && c.red() < 90 && c.green() < 90) ++n;
        }
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

    // The class list opens the business use (its rules are the model's tests): the box turns
    // white and shows 100.
    void macrsAutomobileOpensBusinessUseAndAllowances() {
        Desk d;
        QVERIFY(d.Choose(MainCtl::cboMethod, "MACRS"));
        QVERIFY(d.Choose(MainCtl::cboClass, "Automobiles (5)"));
        QCOMPARE(d.Text(MainCtl::cboClass), QString("Automobiles (5)"));
        QCOMPARE(d.Text(MainCtl::txtBusinessPercent), QString("100"));
        QCOMPARE(
            d.w(MainCtl::txtBusinessPercent)->palette().color(QPalette::Active, QPalette::Base),
            kWhite);
        QVERIFY(d.Enabled(MainCtl::chkBonus100));
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

        QVERIFY(d.Choose(MainCtl::cboLife, "27.5"));
        QVERIFY(d.Checked(MainCtl::optConvention2));
        QVERIFY(!d.Checked(MainCtl::optConvention0));
        QVERIFY(!d.Enabled(MainCtl::chkBonus));
        d.Click(MainCtl::optConvention0);  // a disabled choice cannot be clicked
        QVERIFY(d.Checked(MainCtl::optConvention2));
    }

    // Alt+C with nothing typed marks the cost; Enter calculates and the grid shows the schedule;
    // Print prints its page; Tools and Help pop their menus; Alt+L clears the window.
    void enterCalculatesTheScheduleAndClearEmptiesTheWindow() {
        Desk d;
        d.Press(Qt::Key_C, Qt::AltModifier);
        QCOMPARE(d.Text(MainCtl::stbMain), QString("Cost Missing! "));
        QCOMPARE(d.TextColour(MainCtl::stbMain), kRed);
        QCOMPARE(d.TextColour(MainCtl::lblCost), kRed);
        QCOMPARE(d.Focus(), MainCtl::txtCost);

        EnterMacrsFiveYear(d);
        QCOMPARE(d.Focus(), MainCtl::txtInService);
        d.Press(Qt::Key_Return);  // the amounts are golden command-line cases
        QCOMPARE(d.Cell(1, 1) + d.Cell(1, 2) + d.Cell(1, 3), QString("20042,000.00 8,000.00 "));
        QCOMPARE(d.Cell(6, 1) + d.Cell(6, 2) + d.Cell(6, 3), QString("2009576.00 .00 "));
        QCOMPARE(d.Cell(7, 1) + d.Cell(1, 4), QString());
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
        QVERIFY(d.messages.shown.empty());
        QCOMPARE(d.menus.size(), std::size_t{2});
        QCOMPARE(d.menus[1], (std::vector<std::string>{"About", "Contents", "Search"}));

        d.Press(Qt::Key_L, Qt::AltModifier);
        QCOMPARE(d.Text(MainCtl::txtCost) + d.Text(MainCtl::cboMethod) + d.Cell(1, 2), QString());
        QCOMPARE(d.Text(MainCtl::txtInService), QString("03/2024"));
        QCOMPARE(d.Cell(0, 3), QString(" Adj. Tax Basis "));
        QVERIFY(!d.Enabled(MainCtl::cmdPrint) && !d.Enabled(MainCtl::cmdExport) &&
                !d.Enabled(MainCtl::cboClass));
        QCOMPARE(d.Focus(), MainCtl::txtCost);
    }

    // Scrolled to the last year group, the grid shows its first group again after Calculate and
    // after Clear: a short schedule does not look empty.
    void gridShowsItsFirstGroupAfterCalculateAndClear() {
        Desk d;
        EnterMacrsFiveYear(d);
        d.Press(Qt::Key_Return);
        QScrollBar* bar = d.window->grid()->horizontalScrollBar();
        QVERIFY(bar->maximum() > 0);
        for (MainCtl button : {MainCtl::cmdCalculate, MainCtl::cmdClear}) {
            bar->setValue(bar->maximum());
            d.Click(button);
            QCOMPARE(bar->value(), 0);
        }
    }

    // A life typed into the life box is a typed life however the focus leaves the box: the
    // conventions and allowances stay as they were and the schedule is the mid-quarter one.
    void typedLifeKeepsTheChosenConvention_data() {
        QTest::addColumn<Leave>("leave");
        QTest::newRow("Tab, then Enter") << Leave::Tab;
        QTest::newRow("click on Cost, then Enter") << Leave::ClickField;
        QTest::newRow("click on Calculate") << Leave::ClickButton;
    }
    void typedLifeKeepsTheChosenConvention() {
        QFETCH(Leave, leave);
        Desk d;
        EnterMidQuarterAsset(d);
        d.ClickText(MainCtl::cboLife);
        d.Type("7");
        switch (leave) {
            case Leave::Tab:
                d.Press(Qt::Key_Tab);
                d.Press(Qt::Key_Return);
                break;
            case Leave::ClickField:
                d.ClickText(MainCtl::txtCost);
                QCOMPARE(d.Focus(), MainCtl::txtCost);
                d.Press(Qt::Key_Return);
                break;
            case Leave::ClickButton:
                d.Click(MainCtl::cmdCalculate);
                break;
        }
        QCOMPARE(d.Text(MainCtl::cboLife), QString("7"));
        QVERIFY(d.Checked(MainCtl::optConvention1));
        QVERIFY(!d.Checked(MainCtl::optConvention0));
        for (MainCtl box : {MainCtl::chkBonus, MainCtl::chkBonus50, MainCtl::chkBonus100})
            QVERIFY(!d.Enabled(box));
        QCOMPARE(d.Cell(1, 1), QString("2024"));
        QCOMPARE(d.Cell(1, 2), QString("2,500.00 "));
        QCOMPARE(d.Cell(2, 2), QString("2,143.00 "));
        QCOMPARE(d.Cell(1, 3), QString("7,500.00 "));
    }

    // 39 typed and left by the mouse does not lock Mid Month; the click that leaves the life
    // box puts the focus and the next keys where it clicked.
    void clickOutOfTheLifeBoxMovesTheFocusAndTheKeys() {
        Desk d;
        EnterMidQuarterAsset(d);
        d.ClickText(MainCtl::cboLife);
        d.Type("39");
        d.ClickText(MainCtl::txtDescription);
        QVERIFY(d.Checked(MainCtl::optConvention1));
        QVERIFY(d.Enabled(MainCtl::optConvention0));
        QVERIFY(!d.Checked(MainCtl::optConvention2));

        d.ClickText(MainCtl::cboLife);
        d.Press(Qt::Key_End);
        d.Press(Qt::Key_Backspace);
        d.Press(Qt::Key_Backspace);
        d.Type("3");
        d.ClickText(MainCtl::txtCost);
        d.Type("9");
        QCOMPARE(d.Text(MainCtl::cboLife), QString("3"));
        QCOMPARE(d.Text(MainCtl::txtCost), QString("9"));
        QCOMPARE(d.Focus(), MainCtl::txtCost);
    }

    // Each of these fields selects its whole text when it gets the focus, by Tab or by a
    // click anywhere in it, so the next keys replace the old value.
    void clickIntoAFieldSelectsItsText_data() {
        QTest::addColumn<MainCtl>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        const std::tuple<const char*, MainCtl, QString, QString> rows[] = {
            {"Cost", MainCtl::txtCost, "42", "42"},
            {"Sales Price", MainCtl::txtSalesPrice, "42", "42"},
            {"Adj Tax Basis", MainCtl::txtAdjTaxBasis, "42", "42"},
            {"Business %", MainCtl::txtBusinessPercent, "42", "42"},
            {"Description", MainCtl::txtDescription, "Van", "Van"},
            {"In Service", MainCtl::txtInService, "012024", "01/2024"}};
        for (const auto& [name, field, typed, result] : rows)
            QTest::newRow(name) << field << typed << result;
    }
    void clickIntoAFieldSelectsItsText() {
        QFETCH(MainCtl, field);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        Desk d;
        d.Click(MainCtl::optAssetType2);
        QVERIFY(d.Choose(MainCtl::cboMethod, "MACRS"));
        QVERIFY(d.Choose(MainCtl::cboClass, "Automobiles (5)"));
        for (MainCtl f : {MainCtl::txtCost, MainCtl::txtSalesPrice, MainCtl::txtAdjTaxBasis,
                          MainCtl::txtDescription}) {
            d.ClickText(f);
            d.Type("1234");
        }
        const QString before = d.Text(field);
        QVERIFY(!before.isEmpty());
        d.ClickText(field == MainCtl::txtDescription ? MainCtl::txtCost : MainCtl::txtDescription);
        d.ClickText(field);
        QCOMPARE(d.Focus(), field);
        QCOMPARE(d.Selected(field), before);
        d.Type(typed);
        QCOMPARE(d.Text(field), result);
    }

    // Arrow keys move through an option group and choose as they go, as a click does; Space
    // chooses the focused option.
    void arrowKeysChooseWithinEachOptionGroup() {
        Desk d;
        QCOMPARE(d.Focus(), MainCtl::optAssetType0);
        d.Press(Qt::Key_Down);
        QCOMPARE(d.Focus(), MainCtl::optAssetType1);
        QVERIFY(d.Checked(MainCtl::optAssetType1));
        QVERIFY(!d.Checked(MainCtl::optAssetType0));
        QVERIFY(d.Enabled(MainCtl::mskSold));  // the Relinquished handler ran
        d.Press(Qt::Key_Right);
        QCOMPARE(d.Focus(), MainCtl::optAssetType2);
        QVERIFY(d.Enabled(MainCtl::txtSalesPrice));
        QVERIFY(!d.Enabled(MainCtl::mskSold));
        d.Press(Qt::Key_Down);  // round to the first
        QVERIFY(d.Checked(MainCtl::optAssetType0));
        d.Press(Qt::Key_Up);
        QVERIFY(d.Checked(MainCtl::optAssetType2));
        d.Press(Qt::Key_Left);
        QVERIFY(d.Checked(MainCtl::optAssetType1));

        // The conventions: Mid Month is disabled and skipped.
        QVERIFY(d.Choose(MainCtl::cboMethod, "MACRS"));
        d.Click(MainCtl::optConvention0);
        d.Press(Qt::Key_Down);
        QCOMPARE(d.Focus(), MainCtl::optConvention1);
        QVERIFY(d.Checked(MainCtl::optConvention1));
        d.Press(Qt::Key_Down);
        QCOMPARE(d.Focus(), MainCtl::optConvention0);
        QVERIFY(d.Checked(MainCtl::optConvention0));
        QVERIFY(!d.Checked(MainCtl::optConvention1));
        // Tab reaches the chosen option of a group; Space keeps it chosen.
        d.Press(Qt::Key_Up);
        d.Press(Qt::Key_Tab);
        d.Press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(d.Focus(), MainCtl::optConvention1);
        d.Press(Qt::Key_Space);
        QVERIFY(d.Checked(MainCtl::optConvention1));
    }

    // Every kind of tab stop shows that it has the focus, and stops showing it when the focus
    // has gone; a field that is left paints no selection.
    void focusShowsWhereItIsAndOnlyThere_data() {
        QTest::addColumn<MainCtl>("stop");
        QTest::newRow("button") << MainCtl::cmdClear;
        QTest::newRow("option") << MainCtl::optAssetType0;
        QTest::newRow("check box") << MainCtl::chkBonus;
        QTest::newRow("Method list") << MainCtl::cboMethod;
        QTest::newRow("Type list") << MainCtl::cboClass;
        QTest::newRow("text field") << MainCtl::txtCost;
    }
    void focusShowsWhereItIsAndOnlyThere() {
        QFETCH(MainCtl, stop);
        Desk d;
        QVERIFY(d.Choose(MainCtl::cboMethod, "MACRS"));
        QVERIFY(d.Choose(MainCtl::cboLife, "7"));
        d.ClickText(MainCtl::txtCost);
        d.Type("500");
        d.ClickText(MainCtl::txtDescription);
        QCOMPARE(SelectionsWithoutFocus(), 0);
        const QImage away = Picture(d.w(stop));
        // Tab until the focus arrives.
        for (int i = 0; i < 40 && d.Focus() != stop; ++i)
            d.Press(Qt::Key_Tab);
        QCOMPARE(d.Focus(), stop);
        const QImage focused = Picture(d.w(stop));
        QVERIFY2(focused != away, "no focus shown");
        d.Press(Qt::Key_Tab);
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
        QCOMPARE(d.Cell(1, 2), QString("2,000.00 "));
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

    // A disabled list is painted in the grey of the other disabled fields, and the open lists
    // show their entries in the window's blue.
    void listsShowTheFieldColours() {
        Desk d;
        QWidget* type = d.w(MainCtl::cboClass);
        QVERIFY(!type->isEnabled());
        const QImage closed = Picture(type);
        const QPoint inside(type->width() / 3, type->height() / 2);
        QCOMPARE(closed.pixelColor(inside), kGrey);
        QCOMPARE(closed.pixelColor(inside.x(), 4), kGrey);
        QCOMPARE(closed.pixelColor(inside.x(), type->height() - 5), kGrey);

        for (MainCtl list : {MainCtl::cboMethod, MainCtl::cboClass}) {
            if (list == MainCtl::cboClass) QVERIFY(d.Choose(MainCtl::cboMethod, "MACRS"));
            auto* box = static_cast<QComboBox*>(d.w(list));
            d.Click(list);
            QVERIFY(QTest::qWaitFor([&] { return box->view()->isVisible(); }, 2000));
            QVERIFY2(BluePixels(Picture(box->view()->viewport())) > 20, d.Text(list).toUtf8());
            QTest::keyClick(box->view(), Qt::Key_Escape);
            QVERIFY(QTest::qWaitFor([&] { return !box->view()->isVisible(); }, 2000));
        }
    }

    // Leaving any field by Tab, by a click on another field or on a button keeps what was typed,
    // and Enter in any field presses Calculate.
    void everyFieldKeepsItsTextHoweverItIsLeft_data() {
        QTest::addColumn<MainCtl>("field");
        QTest::addColumn<Leave>("leave");
        QTest::addColumn<MainCtl>("asset_type");  // the type that opens the field
        struct Field {
            MainCtl id;
            const char* name;
            MainCtl asset_type;
        };
        const std::vector<Field> fields = {
            {MainCtl::txtCost, "Cost", MainCtl::optAssetType1},
            {MainCtl::txtInService, "In Service", MainCtl::optAssetType1},
            {MainCtl::cboLife, "Life", MainCtl::optAssetType1},
            {MainCtl::txtBusinessPercent, "Business %", MainCtl::optAssetType1},
            {MainCtl::mskSold, "Date Sold", MainCtl::optAssetType1},
            {MainCtl::txtDescription, "Description", MainCtl::optAssetType1},
            {MainCtl::txtSalesPrice, "Sales Price", MainCtl::optAssetType2},
            {MainCtl::txtAdjTaxBasis, "Adj Tax Basis", MainCtl::optAssetType2},
        };
        for (const Field& f : fields) {
            QTest::addRow("%s by Tab", f.name) << f.id << Leave::Tab << f.asset_type;
            QTest::addRow("%s by a click on a field", f.name)
                << f.id << Leave::ClickField << f.asset_type;
            QTest::addRow("%s by a click on a button", f.name)
                << f.id << Leave::ClickButton << f.asset_type;
        }
    }
    void everyFieldKeepsItsTextHoweverItIsLeft() {
        QFETCH(MainCtl, field);
        QFETCH(Leave, leave);
        QFETCH(MainCtl, asset_type);
        Desk d;
        d.Click(asset_type);
        QVERIFY(d.Choose(MainCtl::cboMethod, "MACRS"));
        QVERIFY(d.Choose(MainCtl::cboClass, "Automobiles (5)"));
        const bool mask = field == MainCtl::txtInService || field == MainCtl::mskSold;
        d.ClickText(field);
        if (field == MainCtl::cboLife) d.Press(Qt::Key_End);
        if (field == MainCtl::mskSold) d.Press(Qt::Key_Home);
        d.Type(mask ? "072023" : "12");
        const QString typed = d.Text(field);
        QCOMPARE(typed, mask ? QString("07/2023") : QString("12"));
        switch (leave) {
            case Leave::Tab:
                d.Press(Qt::Key_Tab);
                QVERIFY(d.Focus() != field);
                break;
            case Leave::ClickField: {
                const MainCtl other =
                    field == MainCtl::txtDescription ? MainCtl::txtCost : MainCtl::txtDescription;
                d.ClickText(other);
                QCOMPARE(d.Focus(), other);
                break;
            }
            case Leave::ClickButton:
                d.Click(MainCtl::cmdTools);
                QCOMPARE(d.Focus(), MainCtl::cmdTools);
                break;
        }
        QCOMPARE(d.Text(field), typed);
        if (field != MainCtl::cboLife) QVERIFY(d.Checked(MainCtl::optConvention0));
        // Enter in the field calculates: it marks the missing cost, or stops at the missing
        // vehicle limits when the cost was typed.
        d.ClickText(field);
        d.Press(Qt::Key_Return);
        const QString status = d.Text(MainCtl::stbMain);
        if (field == MainCtl::txtCost) {
            QCOMPARE(d.TextColour(MainCtl::stbMain), kRed);
            QVERIFY2(status.startsWith("Vehicle limits"), status.toUtf8());
        } else {
            QCOMPARE(d.TextColour(MainCtl::lblCost), kRed);
        }
    }

    // Enter presses Calculate from every stop that does not take Enter itself: the lists, a
    // check box, an option and the grid (without a cost, the cost's caption turns red).
    void enterCalculatesFromListsBoxesOptionsAndTheGrid_data() {
        QTest::addColumn<MainCtl>("stop");
        QTest::newRow("Method list") << MainCtl::cboMethod;
        QTest::newRow("Type list") << MainCtl::cboClass;
        QTest::newRow("check box") << MainCtl::chkBonus;
        QTest::newRow("option") << MainCtl::optConvention0;
        QTest::newRow("grid") << MainCtl::grdDepr;
    }
    void enterCalculatesFromListsBoxesOptionsAndTheGrid() {
        QFETCH(MainCtl, stop);
        Desk d;
        QVERIFY(d.Choose(MainCtl::cboMethod, "MACRS"));
        QVERIFY(d.Choose(MainCtl::cboLife, "7"));
        for (int i = 0; i < 40 && d.Focus() != stop; ++i)
            d.Press(Qt::Key_Tab);
        QCOMPARE(d.Focus(), stop);
        QCOMPARE(d.TextColour(MainCtl::lblCost), QColor(0, 0, 0));
        d.Press(Qt::Key_Return);
        QCOMPARE(d.Text(MainCtl::stbMain), QString("Cost Missing! "));
        QCOMPARE(d.TextColour(MainCtl::lblCost), kRed);
        QVERIFY(!d.Checked(MainCtl::chkBonus));
    }

    // The schedule leaves the grid as tab-separated lines, one per year in year order: a
    // clicked cell alone, Ctrl+A then Ctrl+C, or "Copy Schedule" from the grid's menu.
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

        d.Press(Qt::Key_A, Qt::ControlModifier);
        d.Press(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("Year\tDepreciation\tAdj. Tax Basis\n"
                                                            "2004\t2000.00\t8000.00\n"
                                                            "2005\t3200.00\t4800.00\n"
                                                            "2006\t1920.00\t2880.00\n"
                                                            "2007\t1152.00\t1728.00\n"
                                                            "2008\t1152.00\t576.00\n"
                                                            "2009\t576.00\t0.00\n"));
    }

    // A schedule over all four groups of the grid comes out in year order, and its amounts
    // add up to the cost.
    void copyScheduleFromTheMenuRunsThroughTheGroupsInYearOrder() {
        Desk d;
        d.Fill(MainCtl::txtCost, "10000");
        QVERIFY(d.Choose(MainCtl::cboMethod, "MACRS"));
        QVERIFY(d.Choose(MainCtl::cboLife, "39"));
        d.Fill(MainCtl::txtInService, "012004");
        d.Press(Qt::Key_Return);
        QTableView* grid = d.window->grid();
        QApplication::clipboard()->clear();
        d.menu_answer = 1;
        const QRect cell = grid->visualRect(grid->model()->index(1, 2));
        orvane::qt::testing::RightClickOn(grid->viewport(), cell.center());
        QCOMPARE(d.menus.size(), std::size_t{1});
        QCOMPARE(d.menus.back(), (std::vector<std::string>{"Copy", "Copy Schedule"}));
        const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + 40);
        QCOMPARE(lines[0], QString("Year\tDepreciation\tAdj. Tax Basis"));
        double total = 0;
        for (int i = 1; i < lines.size(); ++i) {
            const QStringList cells = lines[i].split('\t');
            QCOMPARE(cells.size(), 3);
            QCOMPARE(cells[0].toInt(), 2003 + i);
            bool number = false;
            total += cells[1].toDouble(&number);
            QVERIFY2(number, lines[i].toUtf8());
        }
        QCOMPARE(total, 10000.0);
        QCOMPARE(lines.back().split('\t')[2], QString("0.00"));
    }

    // The editing keys of a field go through its filter, echo and handlers: select all, cut,
    // paste back, stretch the selection with Shift, and paste from the field's menu.
    void fieldsTakeTheEditingKeysAndTheirMenu() {
        Desk d;
        d.ClickText(MainCtl::txtCost);
        d.Type("12345");
        d.Press(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(d.Selected(MainCtl::txtCost), QString("12345"));
        d.Press(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("12345"));
        QCOMPARE(d.Text(MainCtl::txtCost), QString());
        QCOMPARE(d.Text(MainCtl::stbMain), QString());
        d.Press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(d.Text(MainCtl::txtCost), QString("12345"));
        QCOMPARE(d.Text(MainCtl::stbMain), QString("12,345"));

        d.Press(Qt::Key_Left, Qt::ShiftModifier);
        d.Press(Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(d.Selected(MainCtl::txtCost), QString("45"));
        d.Type("9");
        QCOMPARE(d.Text(MainCtl::txtCost), QString("1239"));
        d.Press(Qt::Key_Home, Qt::ShiftModifier);
        QCOMPARE(d.Selected(MainCtl::txtCost), QString("1239"));
        d.Press(Qt::Key_Home);
        d.Press(Qt::Key_Right);
        d.Press(Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(d.Selected(MainCtl::txtCost), QString("239"));
        d.Type("a");  // the filter still holds
        QCOMPARE(d.beeper.beeps, 1);

        // The field's menu: paste into Description, then select it all and cut it.
        QApplication::clipboard()->setText("Delivery van");
        auto right_click = [&](MainCtl field, int answer) {
            d.menu_answer = answer;
            QWidget* w = d.w(field);
            orvane::qt::testing::RightClickOn(w, w->rect().center());
        };
        right_click(MainCtl::txtDescription, 2);
        QCOMPARE(d.menus.size(), std::size_t{1});
        QCOMPARE(d.menus.back(), (std::vector<std::string>{"Cut", "Copy", "Paste", "Select All"}));
        QCOMPARE(d.Focus(), MainCtl::txtDescription);
        QCOMPARE(d.Text(MainCtl::txtDescription), QString("Delivery van"));
        right_click(MainCtl::txtDescription, 3);
        QCOMPARE(d.Selected(MainCtl::txtDescription), QString("Delivery van"));
        right_click(MainCtl::txtDescription, 0);
        QCOMPARE(d.Text(MainCtl::txtDescription), QString());
        // The menu's field takes the focus and selects its text; a pasted amount replaces it
        // and echoes as a typed one does.
        QApplication::clipboard()->setText("2500");
        right_click(MainCtl::txtCost, 2);
        QCOMPARE(d.Text(MainCtl::txtCost), QString("2500"));
        QCOMPARE(d.Text(MainCtl::stbMain), QString("2,500"));
    }

    // Description keeps what is typed, letters outside ASCII too, and edits them as letters.
    void descriptionKeepsTypedLettersBeyondAscii() {
        Desk d;
        d.ClickText(MainCtl::txtDescription);
        d.Type(QString::fromUtf8("Caf\u00e9 \u00e0 Z\u00fcrich"));
        QCOMPARE(d.Text(MainCtl::txtDescription),
                 QString::fromUtf8("Caf\u00e9 \u00e0 Z\u00fcrich"));
        // Caret and selection count characters on both sides.
        d.Press(Qt::Key_Home);
        for (int i = 0; i < 3; ++i)
            d.Press(Qt::Key_Right);
        d.Press(Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(d.Selected(MainCtl::txtDescription), QString::fromUtf8("\u00e9"));
        d.Type("e");
        QCOMPARE(d.Text(MainCtl::txtDescription), QString::fromUtf8("Cafe \u00e0 Z\u00fcrich"));
    }
};

QTEST_MAIN(MainWindowViewTest)
#include "main_window_view_test.moc"
