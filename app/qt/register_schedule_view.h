#pragma once
// One register asset's whole schedule in a dialog: a row a tax year and a total row.

#include <QDialog>

#include "engine/register_asset.h"

class QTableWidget;

namespace orvane::qt {

class RegisterScheduleView final : public QDialog {
    Q_OBJECT

  public:
    RegisterScheduleView(const QString& title, const reg::Schedule& schedule,
                         QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }

  private:
    void Fill(const reg::Schedule& schedule);
    void FitToTable();

    QTableWidget* table_ = nullptr;
};

}  // namespace orvane::qt
