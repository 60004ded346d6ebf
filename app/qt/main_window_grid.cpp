// The main window's schedule grid as a Qt table: its cells, its copy as tab-separated text, and
// its widths and scrolling as the model's sheet has them.

#include <QAbstractTableModel>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QTableView>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/qt/main_window_view.h"

namespace orvane::qt {
namespace {

// The schedule sheet as the grid widget shows it: the texts of the last Render(), the header row
// on the grey of a fixed row.
class GridTable final : public QAbstractTableModel {
  public:
    explicit GridTable(QObject* parent) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : ScheduleGrid::kRows;
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : ScheduleGrid::kCols;
    }
    Qt::ItemFlags flags(const QModelIndex& /*index*/) const override {
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        switch (role) {
            case Qt::DisplayRole:
                return ToQString(shown_.Text(index.row(), index.column()));
            case Qt::TextAlignmentRole:
                return shown_.ColAlign(index.column()) == ScheduleGrid::Align::RightCentre
                           ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                           : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
            case Qt::BackgroundRole:
                return index.row() == 0
                           ? QVariant(QColor(kButtonFace.r, kButtonFace.g, kButtonFace.b))
                           : QVariant();
            default:
                return {};
        }
    }

    void Show(const ScheduleGrid& grid) {
        bool same = true;
        for (int r = 0; same && r < ScheduleGrid::kRows; ++r) {
            for (int c = 0; same && c < ScheduleGrid::kCols; ++c)
                same = shown_.Text(r, c) == grid.Text(r, c);
        }
        for (int c = 0; same && c < ScheduleGrid::kCols; ++c)
            same = shown_.ColAlign(c) == grid.ColAlign(c);
        if (same) return;
        shown_ = grid;
        Q_EMIT dataChanged(index(0, 0), index(ScheduleGrid::kRows - 1, ScheduleGrid::kCols - 1));
    }

  private:
    ScheduleGrid shown_;
};

// A schedule cell as a spreadsheet reads a number: no grouping, no blanks, a zero before the
// point.
std::string PlainCell(const std::string& text) {
    std::string plain;
    for (char ch : text) {
        if (ch != ',' && ch != ' ') plain += ch;
    }
    if (!plain.empty() && plain.front() == '.') plain.insert(plain.begin(), '0');
    return plain;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

// The grid holds four groups of eleven years side by side: group g in columns 3g+1 to 3g+3
// (year, depreciation, basis left), its years in rows 1 to 11.
std::string ScheduleText(const ScheduleGrid& grid, const std::vector<std::pair<int, int>>& cells) {
    constexpr int kFields = 3;
    constexpr int kYearsPerGroup = ScheduleGrid::kRows - 1;
    std::set<int> years;  // g * 11 + row - 1
    std::set<int> fields;
    bool header = false;
    auto take = [&](int row, int col) {
        if (col < 1 || col >= ScheduleGrid::kCols || row < 0 || row >= ScheduleGrid::kRows) return;
        const int group = (col - 1) / kFields;
        fields.insert((col - 1) % kFields);
        if (row == 0) {
            header = true;
        } else {
            years.insert(group * kYearsPerGroup + row - 1);
        }
    };
    if (cells.empty()) {
        for (int row = 0; row < ScheduleGrid::kRows; ++row) {
            for (int col = 1; col < ScheduleGrid::kCols; ++col)
                take(row, col);
        }
    } else {
        for (const auto& [row, col] : cells)
            take(row, col);
    }
    std::string out;
    auto line = [&](auto cell) {
        std::string text;
        bool any = false;
        for (int f : fields) {
            if (f != *fields.begin()) text += '\t';
            const std::string value = cell(f);
            any = any || !value.empty();
            text += value;
        }
        if (any) out += text + "\n";
    };
    if (header) line([&](int f) { return Trimmed(grid.Text(0, 1 + f)); });
    for (int year : years) {
        const int row = year % kYearsPerGroup + 1;
        const int col = year / kYearsPerGroup * kFields + 1;
        line([&](int f) { return PlainCell(grid.Text(row, col + f)); });
    }
    // One cell alone goes without a line end, so that it pastes into a field too.
    if (std::count(out.begin(), out.end(), '\n') == 1) out.pop_back();
    return out;
}

QWidget* MainWindowView::MakeGrid(QWidget* parent) {
    auto* table = new QTableView(parent);
    table->setModel(new GridTable(table));
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectItems);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideNone);
    table->setCornerButtonEnabled(false);
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    QHeaderView* rows = table->verticalHeader();
    rows->setMinimumSectionSize(1);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setMinimumSectionSize(0);
    return table;
}

void MainWindowView::CopySchedule(bool whole) const {
    std::vector<std::pair<int, int>> cells;
    if (!whole) {
        const QTableView* table = grid();
        for (const QModelIndex& index : table->selectionModel()->selectedIndexes())
            cells.emplace_back(index.row(), index.column());
        if (cells.empty() && table->currentIndex().isValid()) {
            cells.emplace_back(table->currentIndex().row(), table->currentIndex().column());
        }
        if (cells.empty()) return;
    }
    QApplication::clipboard()->setText(ToQString(ScheduleText(model_.controls().grid, cells)));
}

void MainWindowView::RenderGrid() {
    QTableView* table = grid();
    const ScheduleGrid& g = model_.controls().grid;
    for (int col = 0; col < ScheduleGrid::kCols; ++col) {
        const int width = twips_.ToPixels(g.ColWidth(col));
        const bool hidden = width == 0;
        if (table->isColumnHidden(col) != hidden) table->setColumnHidden(col, hidden);
        if (!hidden && table->columnWidth(col) != width) table->setColumnWidth(col, width);
    }
    static_cast<GridTable*>(table->model())->Show(g);
    // An emptied sheet (Clear, Calculate) shows its first group, however far it was scrolled.
    if (g.clears() != grid_clears_) {
        grid_clears_ = g.clears();
        table->horizontalScrollBar()->setValue(0);
    }
}

}  // namespace orvane::qt
