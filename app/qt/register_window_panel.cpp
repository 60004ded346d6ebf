// The panel beside the register's table: the tax year and the amounts of the section 179
// limit, the taxpayer for the printed report, the year's totals, its Form 4562 lines and the
// chart of every tax year's deduction.

#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelection>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/qt/register_chart_view.h"
#include "app/qt/register_texts.h"
#include "app/qt/register_window_view.h"

namespace orvane::qt {
namespace {

QTableWidgetItem* Cell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableWidget* MakeTable(QWidget* parent, const QStringList& headers) {
    auto* t = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    t->setHorizontalHeaderLabels(headers);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    return t;
}

}  // namespace

QWidget* RegisterWindowView::BuildPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("yearPanel"));
    auto* layout = new QVBoxLayout(panel);
    auto* fields = new QFormLayout;
    year_ = new QSpinBox(panel);
    year_->setObjectName(QStringLiteral("taxYear"));
    year_->setRange(reg::VehicleLimitTable::kFirstYear, reg::VehicleLimitTable::kLastYear);
    year_->setKeyboardTracking(false);
    income_ = new QLineEdit(panel);
    income_->setObjectName(QStringLiteral("businessIncome"));
    income_->setPlaceholderText(tr("not given"));
    carryover_ = new QLineEdit(panel);
    carryover_->setObjectName(QStringLiteral("carryover"));
    carryover_->setPlaceholderText(QStringLiteral("0"));
    fields->addRow(tr("Tax &year:"), year_);
    fields->addRow(tr("&Business income:"), income_);
    fields->addRow(tr("&Carryover from last year:"), carryover_);
    taxpayer_ = new QLineEdit(panel);
    taxpayer_->setObjectName(QStringLiteral("taxpayer"));
    taxpayer_->setPlaceholderText(tr("on every page of the printed report"));
    fields->addRow(tr("&Taxpayer:"), taxpayer_);
    layout->addLayout(fields);
    connect(year_, &QSpinBox::valueChanged, this, [this](int y) {
        model_.SetYear(y);
        Render();
    });
    connect(income_, &QLineEdit::editingFinished, this, [this] {
        model_.SetBusinessIncome(income_->text().toStdString());
        Render();
    });
    connect(carryover_, &QLineEdit::editingFinished, this, [this] {
        model_.SetCarryover(carryover_->text().toStdString());
        Render();
    });

    auto* box = new QGroupBox(tr("The year's totals"), panel);
    auto* sums = new QFormLayout(box);
    const char* names[] = {"section179", "allowance", "depreciation", "total"};
    const QString captions[] = {tr("Section 179:"), tr("Bonus allowance:"), tr("Depreciation:"),
                                tr("Total:")};
    for (std::size_t i = 0; i < totals_.size(); ++i) {
        totals_[i] = new QLabel(box);
        totals_[i]->setObjectName(QString::fromLatin1(names[i]));
        totals_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        totals_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        sums->addRow(captions[i], totals_[i]);
    }
    layout->addWidget(box);
    problem_ = new QLabel(panel);
    problem_->setObjectName(QStringLiteral("figuresProblem"));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #b00000;"));
    layout->addWidget(problem_);

    layout->addWidget(new QLabel(tr("Form 4562 (select a line to pick out its assets):"), panel));
    form_ = MakeTable(panel, {tr("Line"), tr("Amount"), tr("Basis"), tr("Class"), tr("Recovery"),
                              tr("Convention"), tr("Method")});
    form_->setObjectName(QStringLiteral("form4562"));
    connect(form_, &QTableWidget::itemSelectionChanged, this, [this] { ChooseLine(); });
    layout->addWidget(form_, 2);

    chart_ = new RegisterChartView(panel);
    chart_->setObjectName(QStringLiteral("chart"));
    chart_->setMinimumHeight(200);
    layout->addWidget(chart_, 1);
    return panel;
}

void RegisterWindowView::RenderPanel() {
    const RegisterWindowControls& c = model_.controls();
    if (year_->value() != c.year) {
        QSignalBlocker quiet(year_);
        year_->setValue(c.year);
    }
    if (!income_->hasFocus()) income_->setText(QString::fromStdString(c.business_income));
    if (!carryover_->hasFocus()) carryover_->setText(QString::fromStdString(c.carryover));
    const reg::BookFigures& f = c.figures;
    reg::TotalsRow year;
    const long long at = static_cast<long long>(f.year) - f.first_year;
    if (f.errors.empty() && at >= 0 && at < static_cast<long long>(f.totals.size()))
        year = f.totals[static_cast<std::size_t>(at)];
    const reg::Cents values[] = {year.section179, year.allowance, year.depreciation, year.total()};
    for (std::size_t i = 0; i < totals_.size(); ++i)
        totals_[i]->setText(f.errors.empty() ? Money(values[i], false) : QStringLiteral("-"));
    QString problem;
    if (c.figuring) {
        problem = tr("Making the year's figures...");
    } else if (!f.errors.empty()) {
        problem = tr("No figures until every row can be read: %1")
                      .arg(QString::fromStdString(f.errors.front().second));
        if (f.errors.size() > 1) problem += tr(" (and %1 more)").arg(f.errors.size() - 1);
    }
    problem_->setText(problem);
    problem_->setStyleSheet(c.figuring ? QString() : QStringLiteral("color: #b00000;"));
    problem_->setVisible(!problem.isEmpty());
    RenderForm();
    if (f.errors.empty() && !c.figuring) {
        chart_->ShowYears(f.first_year, f.totals, c.year);
    } else {
        chart_->ShowYears(c.year, {}, c.year);
    }
}

void RegisterWindowView::RenderForm() {
    const RegisterWindowControls& c = model_.controls();
    std::vector<reg::FormLine> lines;
    if (c.figures.errors.empty()) lines = reg::FormLines(c.figures.form);
    // The lines the year leaves blank are left out.
    std::erase_if(lines, [](const reg::FormLine& l) { return !l.basis && !l.amount; });
    QSignalBlocker quiet(form_);
    form_->setRowCount(static_cast<int>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const reg::FormLine& l = lines[i];
        const auto row = static_cast<int>(i);
        const auto opt = [](const std::optional<long long>& v) {
            return v ? Money(*v, true) : QString();
        };
        QTableWidgetItem* line = Cell(QString::fromStdString(l.line), false);
        line->setData(Qt::UserRole, QString::fromStdString(l.key));
        form_->setItem(row, 0, line);
        form_->setItem(row, 1, Cell(opt(l.amount), true));
        form_->setItem(row, 2, Cell(opt(l.basis), true));
        form_->setItem(row, 3, Cell(QString::fromStdString(l.cls), false));
        form_->setItem(row, 4, Cell(QString::fromStdString(l.recovery), false));
        form_->setItem(row, 5, Cell(QString::fromStdString(l.convention), false));
        form_->setItem(row, 6, Cell(QString::fromStdString(l.method), false));
        if (l.key == c.chosen_line) form_->selectRow(row);
    }
    form_->resizeColumnsToContents();
}

void RegisterWindowView::ChooseLine() {
    const QList<QTableWidgetItem*> picked = form_->selectedItems();
    const QString line = picked.isEmpty()
                             ? QString()
                             : form_->item(picked[0]->row(), 0)->data(Qt::UserRole).toString();
    model_.ChooseLine(line.toStdString());
    const RegisterWindowControls& c = model_.controls();
    std::vector<int> at(model_.book().size(), -1);
    for (std::size_t i = 0; i < c.shown.size(); ++i)
        at[c.shown[i]] = static_cast<int>(i);
    std::vector<int> places;
    for (std::size_t r : c.line_rows) {
        if (at[r] >= 0) places.push_back(at[r]);
    }
    std::sort(places.begin(), places.end());
    QItemSelection rows;
    const int last = rows_->columnCount() - 1;
    for (std::size_t i = 0; i < places.size();) {
        std::size_t j = i + 1;
        while (j < places.size() && places[j] == places[j - 1] + 1)
            ++j;
        rows.select(rows_->index(places[i], 0), rows_->index(places[j - 1], last));
        i = j;
    }
    table_->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    if (!places.empty()) table_->scrollTo(rows_->index(places.front(), 0));
    message_->setStyleSheet(QString());
    const std::size_t n = c.line_rows.size();
    message_->setText(line.isEmpty() ? QString()
                      : n == 1       ? tr("Line %1: 1 asset").arg(line)
                                     : tr("Line %1: %2 assets").arg(line).arg(n));
}

}  // namespace orvane::qt
