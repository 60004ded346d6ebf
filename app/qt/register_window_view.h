#pragma once
// The register window: the register's rows in a table edited in place, with a filter box and
// sortable columns, and beside it the chosen tax year's totals and Form 4562 lines. The window
// model holds the register and its history; the widgets forward what a person does to it and
// show its state afterwards.

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

#include "app/model/register_window_model.h"
#include "app/qt/register_table_model.h"
#include "platform/printer.h"
#include "platform/spreadsheet.h"

class QAction;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableView;
class QTableWidget;

namespace orvane::qt {

class RegisterChartView;

class RegisterWindowView final : public QMainWindow {
    Q_OBJECT

  public:
    // The window asks with the services' message boxes and file dialog, prints on their
    // printer and dates the report by their clock; they and `limits` outlive the window.
    RegisterWindowView(const Services& services, const reg::VehicleLimitTable& limits, int year,
                       QWidget* parent = nullptr);
    ~RegisterWindowView() override;

    RegisterWindowModel& model() { return model_; }
    QTableView* table() const { return table_; }
    RegisterTableModel* rows() const { return rows_; }

    // Opens a register file into the window; false (with the reason shown) when it cannot.
    bool OpenFile(const QString& file);

    // What "Open Calculator" does (the program opens the one-asset window beside this one).
    std::function<void()> open_calculator;

    // Shows the model's state in the widgets.
    void Render();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildActions();
    void BuildMenus();
    void BuildToolBar();
    QWidget* BuildPanel();
    void BuildTable();
    QAction* Add(const QString& text, const QString& name, const std::function<void()>& run);

    void OpenCommand();
    bool SaveAsCommand();
    void AddRowCommand(bool duplicate);
    void DeleteRowsCommand();
    void History(bool undo);
    void FocusBookRow(std::size_t row, int column);
    void ShowRefusal(const QModelIndex& index);
    void ChooseLine();
    void ShowSchedule(const QModelIndex& index);
    // The report commands (register_window_reports.cpp): each needs the year's figures.
    bool FiguresReady();
    void SaveWorkbookCommand();
    void PrintCommand(bool preview);
    std::vector<std::vector<PrintItem>> ReportPages(Printer& printer) const;
    // The file the dialog answers, "" when the person cancels.
    QString PickFile(bool save);
    QString PickWorkbook();

    void RenderPanel();
    void RenderForm();

    MessageBoxes& boxes_;
    FileDialog& files_;
    Printer& printer_;
    const Clock& clock_;
    const reg::VehicleLimitTable& limits_;
    RegisterWindowModel model_;
    RegisterTableModel* rows_;
    QTableView* table_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QSpinBox* year_ = nullptr;
    QLineEdit* income_ = nullptr;
    QLineEdit* carryover_ = nullptr;
    QLineEdit* taxpayer_ = nullptr;
    RegisterChartView* chart_ = nullptr;
    std::array<QLabel*, 4> totals_{};  // section 179, allowance, depreciation, total
    QLabel* problem_ = nullptr;
    QTableWidget* form_ = nullptr;
    QLabel* message_ = nullptr;
    QAction *open_ = nullptr, *save_ = nullptr, *save_as_ = nullptr, *close_ = nullptr;
    QAction *undo_ = nullptr, *redo_ = nullptr, *add_row_ = nullptr, *duplicate_ = nullptr;
    QAction *delete_ = nullptr, *schedule_ = nullptr, *calculator_ = nullptr;
    QAction *workbook_ = nullptr, *print_ = nullptr, *preview_ = nullptr;
};

}  // namespace orvane::qt
