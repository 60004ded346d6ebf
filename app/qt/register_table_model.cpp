#include "app/qt/register_table_model.h"

#include <QBrush>
#include <QColor>

namespace orvane::qt {

int RegisterTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(model_.controls().shown.size());
}

int RegisterTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(model_.book().names().size());
}

QVariant RegisterTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const std::size_t row = BookRow(index.row());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return QString::fromStdString(model_.book().fields(row)[std::size_t(index.column())]);
        case Qt::TextAlignmentRole:
            return SortsAsNumber(model_.book(), index.column())
                       ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        case Qt::ToolTipRole: {
            const std::string problem = model_.RowProblem(row);
            return problem.empty() ? QVariant() : QVariant(QString::fromStdString(problem));
        }
        case Qt::ForegroundRole:
            return model_.RowProblem(row).empty() ? QVariant() : QBrush(QColor(0xb0, 0, 0));
        default:
            return {};
    }
}

QVariant RegisterTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) {
        const auto& names = model_.book().names();
        return section < static_cast<int>(names.size())
                   ? QString::fromStdString(names[std::size_t(section)])
                   : QVariant();
    }
    // Rows numbered as a spreadsheet and the reader's messages number them (the header is 1).
    if (section >= rowCount()) return {};
    return QString::number(BookRow(section) + 2);
}

Qt::ItemFlags RegisterTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && ColumnOfField(model_.book(), index.column())) f |= Qt::ItemIsEditable;
    return f;
}

bool RegisterTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    if (!model_.SetCell(BookRow(index.row()), index.column(), value.toString().toStdString())) {
        if (refused) refused(index);
        return false;
    }
    Refresh();
    return true;
}

void RegisterTableModel::sort(int column, Qt::SortOrder order) {
    const auto& c = model_.controls();
    if (column == c.sort_field && (order == Qt::DescendingOrder) == c.descending) return;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::size_t> rows;
    rows.reserve(std::size_t(before.size()));
    for (const QModelIndex& i : before)
        rows.push_back(BookRow(i.row()));
    model_.Sort(column, order == Qt::DescendingOrder);
    std::vector<int> at(model_.book().size(), -1);
    for (std::size_t i = 0; i < c.shown.size(); ++i)
        at[c.shown[i]] = static_cast<int>(i);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        const int r = at[rows[std::size_t(i)]];
        after.push_back(r < 0 ? QModelIndex() : index(r, before[i].column()));
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void RegisterTableModel::Reshape(const std::function<void()>& change) {
    beginResetModel();
    change();
    endResetModel();
    if (changed) changed();
}

void RegisterTableModel::Refresh() {
    if (rowCount() > 0 && columnCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                           {Qt::ForegroundRole, Qt::ToolTipRole, Qt::DisplayRole});
    if (changed) changed();
}

}  // namespace orvane::qt
