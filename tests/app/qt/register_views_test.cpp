// The register's chart and schedule dialog on their own. With ORVANE_VIEW_PNG set to a folder,
// their pictures are written there.

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QLabel>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QTest>

#include "app/qt/register_chart_view.h"
#include "app/qt/register_schedule_view.h"

using orvane::qt::RegisterChartView;
using orvane::qt::RegisterScheduleView;
namespace reg = orvane::reg;

namespace {

void Picture(QWidget& w, const char* name) {
    const QByteArray folder = qgetenv("ORVANE_VIEW_PNG");
    if (folder.isEmpty()) return;
    QCoreApplication::processEvents();  // the chart lays its axes out later
    w.grab().save(QString::fromUtf8(folder + "/" + name + ".png"));
}

reg::TotalsRow Totals(reg::Cents section179, reg::Cents allowance, reg::Cents depreciation) {
    reg::TotalsRow t;
    t.section179 = section179;
    t.allowance = allowance;
    t.depreciation = depreciation;
    return t;
}

// A 10,000.00 asset: 2,000.00 of section 179, 4,000.00 of allowance, then five-year 200% DB
// half-year depreciation of the 4,000.00 left.
reg::Schedule FiveYearSchedule() {
    reg::Schedule s;
    s.first_year = 2023;
    const reg::YearRow rows[] = {{200000, 400000, 80000, 680000, 320000},
                                 {0, 0, 128000, 808000, 192000},
                                 {0, 0, 76800, 884800, 115200},
                                 {0, 0, 46080, 930880, 69120},
                                 {0, 0, 46080, 976960, 23040},
                                 {0, 0, 23040, 1000000, 0}};
    for (const reg::YearRow& r : rows)
        s.rows[s.count++] = r;
    return s;
}

}  // namespace

class RegisterViewsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // The chart's bars and labels as the chart data figures them (in its own test): three
    // stacked sets, the chosen year's bar selected in each; no years show the placeholder.
    void chartShowsTheYears() {
        RegisterChartView view;
        view.resize(560, 340);
        view.ShowYears(
            2023,
            {Totals(2'500'000, 1'200'050, 33'333), Totals(0, 0, 61'907), Totals(0, 0, 44'218)},
            2024);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        auto* series = qobject_cast<QStackedBarSeries*>(view.chart()->series().value(0));
        QVERIFY(series != nullptr);
        QStringList sets;
        for (QBarSet* set : series->barSets()) {
            sets << set->label() + ":" + QString::number(set->at(0), 'f', 2) + "," +
                        QString::number(set->at(1), 'f', 2);
            QCOMPARE(set->selectedBars(), QList<int>{1});
        }
        QCOMPARE(sets, QStringList({"§179:25000.00,0.00", "Allowance:12000.50,0.00",
                                    "Depreciation:333.33,619.07"}));
        auto* years = qobject_cast<QCategoryAxis*>(view.chart()->axes(Qt::Horizontal).value(0));
        QVERIFY(years != nullptr);
        QCOMPARE(years->categoriesLabels(), QStringList({"2023", "[2024]", "2025"}));
        Picture(view, "register-chart");

        view.ShowYears(2023, {}, 2023);
        QVERIFY(view.chart()->series().isEmpty());
        QVERIFY(view.findChild<QLabel*>("placeholder")->isVisible());
        Picture(view, "register-chart-empty");
    }

    // A row a tax year and a total row whose three sums add up to the last accumulated; Esc
    // closes the dialog.
    void scheduleShowsEveryYear() {
        const reg::Schedule schedule = FiveYearSchedule();
        RegisterScheduleView view("Asset A-7: Lathe", schedule);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTableWidget* table = view.table();
        QCOMPARE(table->rowCount(), 7);
        QCOMPARE(table->item(5, 0)->text(), "2028");
        QCOMPARE(table->item(3, 3)->text(), "460.80");
        QStringList total;
        for (int c = 0; c < table->columnCount(); ++c)
            total << table->item(6, c)->text();
        QCOMPARE(total, QStringList({"Total", "2,000.00", "4,000.00", "4,000.00", "", ""}));
        QCOMPARE(table->item(5, 4)->text(), "10,000.00");
        Picture(view, "register-schedule");

        QTest::keyClick(&view, Qt::Key_Escape);
        QVERIFY(!view.isVisible());
    }
};

QTEST_MAIN(RegisterViewsTest)
#include "register_views_test.moc"
