#pragma once
// The register's chart: the deduction of each tax year as a bar stacked by section 179, the
// bonus allowance and depreciation, the chosen year's bar marked.

#include <QWidget>
#include <vector>

#include "register/writers.h"

class QChart;
class QChartView;
class QLabel;
class QStackedLayout;

namespace orvane::qt {

class RegisterChartView final : public QWidget {
    Q_OBJECT

  public:
    explicit RegisterChartView(QWidget* parent = nullptr);

    // `totals` holds one row a tax year from `first_year`; no rows show a placeholder.
    void ShowYears(int first_year, const std::vector<reg::TotalsRow>& totals, int chosen_year);

    QChart* chart() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    int LabelRoom() const;
    void Draw();
    void ShowTip(bool on, int index);

    QStackedLayout* pages_ = nullptr;
    QLabel* placeholder_ = nullptr;
    QChartView* view_ = nullptr;
    int first_year_ = 0, chosen_year_ = 0, room_ = 0;
    std::vector<reg::TotalsRow> totals_;
};

}  // namespace orvane::qt
