#include "app/qt/register_schedule_view.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/qt/register_texts.h"
#include "register/writers.h"

namespace orvane::qt {

namespace {

enum Col { kYear, kSection179, kAllowance, kDepreciation, kAccumulated, kBasisLeft, kCols };

QTableWidgetItem* Cell(const QString& text, bool bold = false) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (bold) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    return item;
}

QTableWidgetItem* Amount(reg::Cents cents, bool bold = false) {
    return Cell(Money(cents), bold);
}

}  // namespace

RegisterScheduleView::RegisterScheduleView(const QString& title, const reg::Schedule& schedule,
                                           QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    table_ = new QTableWidget(this);
    table_->setColumnCount(kCols);
    table_->setHorizontalHeaderLabels({tr("Year"), tr("§179"), tr("Allowance"), tr("Depreciation"),
                                       tr("Accumulated"), tr("Basis left")});
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setAlternatingRowColors(true);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    Fill(schedule);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    FitToTable();
}

void RegisterScheduleView::Fill(const reg::Schedule& schedule) {
    const int rows = static_cast<int>(schedule.count);
    table_->setRowCount(rows + 1);
    reg::Cents section179 = 0, allowance = 0, depreciation = 0;
    for (int i = 0; i < rows; ++i) {
        const reg::YearRow& r = schedule.rows[static_cast<std::size_t>(i)];
        table_->setItem(i, kYear, Cell(QString::number(schedule.first_year + i)));
        table_->setItem(i, kSection179, Amount(r.section179));
        table_->setItem(i, kAllowance, Amount(r.allowance));
        table_->setItem(i, kDepreciation, Amount(r.depreciation));
        table_->setItem(i, kAccumulated, Amount(r.accumulated));
        table_->setItem(i, kBasisLeft, Amount(r.basis_left));
        section179 += r.section179;
        allowance += r.allowance;
        depreciation += r.depreciation;
    }
    table_->setItem(rows, kYear, Cell(tr("Total"), true));
    table_->setItem(rows, kSection179, Amount(section179, true));
    table_->setItem(rows, kAllowance, Amount(allowance, true));
    table_->setItem(rows, kDepreciation, Amount(depreciation, true));
    table_->setItem(rows, kAccumulated, Cell(QString()));
    table_->setItem(rows, kBasisLeft, Cell(QString()));
    table_->resizeColumnsToContents();
    for (int c = 0; c < kCols; ++c)
        table_->setColumnWidth(c, table_->columnWidth(c) + 12);
}

// Wide enough for every column, tall enough for up to 25 rows.
void RegisterScheduleView::FitToTable() {
    const int frame = 2 * table_->frameWidth();
    const int shown = std::min(table_->rowCount(), 25);
    int width = frame + table_->horizontalHeader()->length();
    if (shown < table_->rowCount()) width += table_->verticalScrollBar()->sizeHint().width();
    const int height = frame + table_->horizontalHeader()->sizeHint().height() +
                       shown * table_->verticalHeader()->defaultSectionSize();
    table_->setMinimumWidth(width);
    table_->setMinimumHeight(std::min(height, 200));
    resize(sizeHint().width(), height + 60);
}

}  // namespace orvane::qt
