#pragma once
// The register's rows for a QTableView, read straight from the window model's book: row i is
// the i-th book row shown (filtered and sorted by the window model), column j the book's field
// j. Edits go to the window model, which takes or refuses them.

#include <QAbstractTableModel>
#include <functional>

#include "app/model/register_window_model.h"

namespace orvane::qt {

class RegisterTableModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit RegisterTableModel(RegisterWindowModel& model, QObject* parent = nullptr)
        : QAbstractTableModel(parent), model_(model) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    void sort(int column, Qt::SortOrder order) override;

    // The book row shown at `row` of the table.
    std::size_t BookRow(int row) const { return model_.controls().shown[std::size_t(row)]; }

    // Runs a change of the window model that may move, add or take away rows, then shows it.
    void Reshape(const std::function<void()>& change);
    // Shows the figures of every row again (after a change that may touch any row's problem).
    void Refresh();

    // Told when a cell is refused, with the reason.
    std::function<void(const QModelIndex&)> refused;
    // Told after any change taken.
    std::function<void()> changed;

  private:
    RegisterWindowModel& model_;
};

}  // namespace orvane::qt
