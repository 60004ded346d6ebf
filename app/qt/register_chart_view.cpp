#include "app/qt/register_chart_view.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QLabel>
#include <QLocale>
#include <QResizeEvent>
#include <QStackedBarSeries>
#include <QStackedLayout>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <optional>

#include "app/model/register_chart_data.h"
#include "app/qt/register_texts.h"

namespace orvane::qt {

namespace {

QBarSet* BarSet(const QString& name, const std::vector<double>& values, QColor color,
                std::optional<std::size_t> marked) {
    auto* set = new QBarSet(name);
    for (double v : values)
        set->append(v);
    set->setColor(color);
    set->setBorderColor(color.darker(130));
    set->setSelectedColor(color.darker(190));
    if (marked) set->setBarSelected(static_cast<int>(*marked), true);
    return set;
}

QCategoryAxis* YearAxis(const RegisterChartData& data) {
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setRange(-0.5, static_cast<double>(data.section179.size()) - 0.5);
    axis->setGridLineVisible(false);
    for (const ChartLabel& l : data.labels)
        axis->append(QString::fromStdString(l.text), static_cast<double>(l.index));
    return axis;
}

QValueAxis* DollarAxis(double highest) {
    auto* axis = new QValueAxis;
    axis->setRange(0, highest > 0 ? highest : 1);
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%.0f"));
    return axis;
}

// Each showing draws a chart of its own: one emptied and filled again keeps drawing the axes it
// had until the event loop deletes them.
QChart* NewChart() {
    auto* chart = new QChart;
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    chart->setAnimationOptions(QChart::NoAnimation);
    // A title over the chart rather than along its axes: a turned axis title does not fit the
    // chart's height beside the year's figures.
    chart->setTitle(QObject::tr("Deduction by tax year ($)"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 20, 4));  // room for the last year's label
    return chart;
}

}  // namespace

RegisterChartView::RegisterChartView(QWidget* parent) : QWidget(parent) {
    view_ = new QChartView(NewChart(), this);
    view_->setRenderHint(QPainter::Antialiasing);
    placeholder_ = new QLabel(tr("No tax years to chart."), this);
    placeholder_->setAlignment(Qt::AlignCenter);
    placeholder_->setObjectName(QStringLiteral("placeholder"));
    pages_ = new QStackedLayout(this);
    pages_->setContentsMargins(0, 0, 0, 0);
    pages_->addWidget(placeholder_);
    pages_->addWidget(view_);
    setMinimumSize(320, 220);
}

QChart* RegisterChartView::chart() const {
    return view_->chart();
}

void RegisterChartView::ShowYears(int first_year, const std::vector<reg::TotalsRow>& totals,
                                  int chosen_year) {
    first_year_ = first_year;
    chosen_year_ = chosen_year;
    totals_ = totals;
    room_ = LabelRoom();
    Draw();
}

// How many year labels fit under the plot side by side.
int RegisterChartView::LabelRoom() const {
    const int label = fontMetrics().horizontalAdvance(QStringLiteral("[0000]")) + 14;
    return std::max(1, (width() - 100) / label);
}

void RegisterChartView::Draw() {
    QChart* chart = NewChart();
    QChart* old = view_->chart();
    view_->setChart(chart);
    delete old;
    pages_->setCurrentWidget(totals_.empty() ? static_cast<QWidget*>(placeholder_) : view_);
    if (totals_.empty()) return;

    const RegisterChartData data = ChartOfTotals(first_year_, totals_, chosen_year_, room_);
    auto* series = new QStackedBarSeries;
    series->setBarWidth(0.7);
    series->append(BarSet(tr("§179"), data.section179, QColor(0x2f, 0x6d, 0xb5), data.marked));
    series->append(BarSet(tr("Allowance"), data.allowance, QColor(0xe0, 0x8a, 0x1e), data.marked));
    series->append(
        BarSet(tr("Depreciation"), data.depreciation, QColor(0x4c, 0xa0, 0x5a), data.marked));
    connect(series, &QStackedBarSeries::hovered, this,
            [this](bool on, int index, QBarSet*) { ShowTip(on, index); });
    chart->addSeries(series);
    QAbstractAxis* years = YearAxis(data);
    QAbstractAxis* dollars = DollarAxis(data.highest);
    chart->addAxis(years, Qt::AlignBottom);
    chart->addAxis(dollars, Qt::AlignLeft);
    series->attachAxis(years);
    series->attachAxis(dollars);
}

void RegisterChartView::ShowTip(bool on, int index) {
    if (!on || index < 0 || static_cast<std::size_t>(index) >= totals_.size()) {
        QToolTip::hideText();
        return;
    }
    const reg::TotalsRow& t = totals_[static_cast<std::size_t>(index)];
    QToolTip::showText(
        QCursor::pos(),
        tr("%1\n§179: %2\nAllowance: %3\nDepreciation: %4\nTotal: %5")
            .arg(first_year_ + index)
            .arg(Money(t.section179), Money(t.allowance), Money(t.depreciation), Money(t.total())),
        this);
}

void RegisterChartView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int room = LabelRoom();
    if (room == room_ || totals_.empty()) return;
    room_ = room;
    Draw();
}

}  // namespace orvane::qt
