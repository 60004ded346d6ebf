// The register window driven as a person drives it: clicks on cells, buttons and column
// headers, keys typed into the cells and the fields, Enter, Tab and the undo keys.

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/qt/program.h"
#include "app/qt/qt_printer.h"
#include "platform/scripted.h"

using orvane::MsgAnswer;
using orvane::MsgButtons;
using orvane::qt::RegisterWindowView;
using orvane::reg::Column;

namespace {

std::string Bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Types into the focused widget, then Enter or Tab in a cell's editor: the table takes the text
// once the events are through.
void Type(const QString& text, int end = 0) {
    for (const QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    if (end != 0) QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(end));
    QCoreApplication::processEvents();
}

}  // namespace

class RegisterWindowTest : public QObject {
    Q_OBJECT

    orvane::ScriptedMessageBoxes boxes_;
    orvane::ScriptedFileDialog files_;
    orvane::FixedClock clock_;
    // "Print..." writes this PDF file.
    const std::filesystem::path pdf_ =
        std::filesystem::temp_directory_path() / "orvane-register-view.pdf";
    std::unique_ptr<orvane::Printer> printer_ = orvane::qt::QtPrinter::PdfFile(pdf_.string());
    orvane::reg::VehicleLimitTable limits_;
    std::unique_ptr<RegisterWindowView> w_;

    orvane::Services services() {
        orvane::Services s;
        s.messages = &boxes_;
        s.file_dialog = &files_;
        s.printer = printer_.get();
        s.clock = &clock_;
        return s;
    }

    QTableView* table() const { return w_->table(); }
    int Field(Column c) const {
        return w_->model().book().header().field_of_column[static_cast<std::size_t>(c)];
    }
    QString CellText(int row, Column c) const {
        return w_->rows()->index(row, Field(c)).data().toString();
    }
    int RowOf(const QString& id) const {
        for (int r = 0; r < w_->rows()->rowCount(); ++r)
            if (CellText(r, Column::Id) == id) return r;
        return -1;
    }
    void ClickCell(int row, Column c) {
        const QModelIndex i = w_->rows()->index(row, Field(c));
        table()->scrollTo(i);
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, table()->visualRect(i).center());
    }
    // Types into the cell clicked: the first key opens its editor, Enter or Tab ends it.
    void TypeInto(int row, Column c, const QString& text, int end = Qt::Key_Return) {
        ClickCell(row, c);
        QTest::keyClicks(table(), text.left(1));
        Type(text.mid(1), end);
    }
    void Press(const char* action) {
        auto* bar = w_->findChild<QToolBar*>(QStringLiteral("registerBar"));
        QAction* a = w_->findChild<QAction*>(QString::fromLatin1(action));
        QTest::mouseClick(bar->widgetForAction(a), Qt::LeftButton);
    }
    QString Message() const { return w_->findChild<QLabel*>(QStringLiteral("message"))->text(); }
    QString FormAmount(const QString& line) const {
        QTableWidgetItem* item = FormLine(line);
        return item ? item->tableWidget()->item(item->row(), 1)->text() : QString();
    }
    QTableWidgetItem* FormLine(const QString& line) const {
        auto* form = w_->findChild<QTableWidget*>(QStringLiteral("form4562"));
        for (int r = 0; r < form->rowCount(); ++r)
            if (form->item(r, 0)->text() == line) return form->item(r, 0);
        return nullptr;
    }

  private Q_SLOTS:
    void initTestCase() {
        orvane::qt::UseProgramStyle();
        std::vector<std::string> problems;
        limits_ = orvane::reg::LoadVehicleLimits(ORVANE_LIMITS_DIR, problems);
    }
    void init() {
        boxes_ = {};
        files_.answer.reset();
        w_ = std::make_unique<RegisterWindowView>(services(), limits_, 2025);
        QVERIFY(w_->OpenFile(QStringLiteral(ORVANE_EXAMPLE)));
        w_->show();
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    }
    void cleanup() {
        boxes_.fallback = MsgAnswer::No;
        w_.reset();
    }

    // A wrong business use is refused with the reader's reason and the old value stays; a cost
    // written with a dollar sign and separators is taken as the plain amount; Tab moves on.
    void cellsAreCheckedAsTheReaderChecksThem() {
        const int sedan = RowOf(QStringLiteral("V-600"));
        TypeInto(sedan, Column::BusinessUse, QStringLiteral("150"));
        QCOMPARE(CellText(sedan, Column::BusinessUse), QStringLiteral("80"));
        QVERIFY2(Message().contains(QStringLiteral("business_use")), qPrintable(Message()));
        QVERIFY(!w_->model().controls().modified);
        TypeInto(sedan, Column::BusinessUse, QStringLiteral("75"));
        QCOMPARE(CellText(sedan, Column::BusinessUse), QStringLiteral("75"));
        TypeInto(sedan, Column::Cost, QStringLiteral("$12,500"), Qt::Key_Tab);
        QCOMPARE(CellText(sedan, Column::Cost), QStringLiteral("12500"));
        QCOMPARE(table()->currentIndex().column(), Field(Column::Cost) + 1);
        QVERIFY(w_->windowTitle().contains(QLatin1Char('*')));
    }

    void rowsAreAddedDeletedUndoneAndRedone() {
        Press("addRow");
        QCOMPARE(w_->rows()->rowCount(), 16);
        QCOMPARE(table()->currentIndex().row(), 15);
        Type(QStringLiteral("N-1"), Qt::Key_Return);
        QCOMPARE(CellText(15, Column::Id), QStringLiteral("N-1"));
        QTest::keyClick(table(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(CellText(15, Column::Id), QString());
        QTest::keyClick(table(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w_->rows()->rowCount(), 15);
        QTest::keyClick(table(), Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(table(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(CellText(15, Column::Id), QStringLiteral("N-1"));
        ClickCell(RowOf(QStringLiteral("B-110")), Column::Description);
        Press("deleteRows");
        QCOMPARE(w_->rows()->rowCount(), 15);
        QCOMPARE(RowOf(QStringLiteral("B-110")), -1);
    }

    void columnsSortAndTheFilterPicksRows() {
        QHeaderView* header = table()->horizontalHeader();
        const int cost = Field(Column::Cost);
        const QPoint at(header->sectionViewportPosition(cost) + header->sectionSize(cost) / 2, 5);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(CellText(0, Column::Id), QStringLiteral("E-700"));
        QCOMPARE(CellText(14, Column::Id), QStringLiteral("B-100"));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(CellText(0, Column::Id), QStringLiteral("B-100"));
        auto* filter = w_->findChild<QLineEdit*>(QStringLiteral("filter"));
        QTest::mouseClick(filter, Qt::LeftButton);
        QTest::keyClicks(filter, QStringLiteral("sedan"));
        QCOMPARE(w_->rows()->rowCount(), 1);
        QCOMPARE(CellText(0, Column::Id), QStringLiteral("V-600"));
    }

    // A line picked selects its assets; another tax year shows other Form 4562 lines.
    void theYearsFormFollowsTheYear() {
        QCOMPARE(FormAmount(QStringLiteral("22")), QStringLiteral("323,101"));
        QTableWidgetItem* line = FormLine(QStringLiteral("19h"));
        line->tableWidget()->scrollToItem(line);
        QTest::mouseClick(line->tableWidget()->viewport(), Qt::LeftButton, {},
                          line->tableWidget()->visualItemRect(line).center());
        const QModelIndexList picked = table()->selectionModel()->selectedRows();
        QCOMPARE(picked.size(), 1);
        QCOMPARE(CellText(picked[0].row(), Column::Id), QStringLiteral("B-110"));
        auto* year = w_->findChild<QSpinBox*>(QStringLiteral("taxYear"));
        QTest::mouseClick(year, Qt::LeftButton);
        QTest::keyClick(year, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(year, QStringLiteral("2026"));
        QTest::keyClick(year, Qt::Key_Return);
        QCOMPARE(w_->model().controls().year, 2026);
        QCOMPARE(FormAmount(QStringLiteral("19h")), QString());
        QVERIFY(!FormAmount(QStringLiteral("17")).isEmpty());
        QVERIFY(FormAmount(QStringLiteral("22")) != QStringLiteral("323,101"));
    }

    void savedAndOpenedAgainTheRegisterIsTheSame() {
        const auto dir = std::filesystem::temp_directory_path();
        const auto first = dir / "orvane-register-view-1.csv";
        const auto second = dir / "orvane-register-view-2.csv";
        TypeInto(RowOf(QStringLiteral("M-310")), Column::Description,
                 QStringLiteral("Forklift, gas"));
        files_.answer = first.string();
        QTest::keyClick(table(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!w_->model().controls().modified);
        RegisterWindowView again(services(), limits_, 2025);
        QVERIFY(again.OpenFile(QString::fromStdString(first.string())));
        QVERIFY(again.model().SaveAs(second.string()));
        QCOMPARE(Bytes(second), Bytes(first));
        QVERIFY(Bytes(first).find("\"Forklift, gas\"") != std::string::npos);
        std::filesystem::remove(first);
        std::filesystem::remove(second);
    }

    // The File menu's reports, reached by the keyboard: the workbook is a zip of its sheets and
    // the printed report's first page carries its header; a row that cannot be read stops both.
    void reportsFromTheFileMenu() {
        const auto dir = std::filesystem::temp_directory_path();
        const auto book = dir / "orvane-register-view.xlsx";
        files_.answer = book.string();
        w_->findChild<QLineEdit*>(QStringLiteral("taxpayer"))->setText(QStringLiteral("Ann Lee"));
        w_->findChild<QAction*>(QStringLiteral("saveWorkbook"))->trigger();
        QCOMPARE(Bytes(book).substr(0, 2), std::string("PK"));
        QTest::keyClick(table(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(Bytes(pdf_).starts_with("%PDF"));
        QVERIFY(boxes_.shown.empty());
        std::filesystem::remove(book);
        std::filesystem::remove(pdf_);
        RegisterWindowView empty(services(), limits_, 2025);
        empty.findChild<QAction*>(QStringLiteral("saveWorkbook"))->trigger();
        QCOMPARE(boxes_.shown.size(), std::size_t{1});
        QVERIFY(!std::filesystem::exists(book));
    }

    void closingWithChangesAsks() {
        TypeInto(0, Column::Description, QStringLiteral("Main warehouse"));
        boxes_.answers = {MsgAnswer::Cancel};
        QVERIFY(!w_->close());
        QVERIFY(w_->isVisible());
        QCOMPARE(boxes_.shown.back().buttons, MsgButtons::SaveDiscardCancel);
        boxes_.answers = {MsgAnswer::No};
        QVERIFY(w_->close());
        QCOMPARE(boxes_.shown.size(), std::size_t{2});
    }
};

QTEST_MAIN(RegisterWindowTest)
#include "register_window_view_test.moc"
