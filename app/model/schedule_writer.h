#pragma once
// A computed schedule as the main window shows it: each year's texts in the grid's cells (or
// handed on in their place), and the faults the schedule met reported in message boxes in the
// order they were met, each under the title of the step that met it.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "app/model/grid.h"
#include "app/model/main_window_controls.h"
#include "base/error_trap.h"
#include "base/numtext.h"
#include "engine/schedule.h"
#include "platform/services.h"

namespace orvane {

// Where the rows of a schedule go when nobody looks at a grid: a calculation without a window
// takes each row that the grid would show, in year order, in the texts its cells would hold.
class ScheduleRows {
  public:
    virtual ~ScheduleRows() = default;
    virtual void Row(std::string_view year, std::string_view depreciation,
                     std::string_view basis_left) = 0;
};

// Whether the grid shows a year: the first always, the others when they have depreciation.
inline bool Shown(const ScheduleRow& row) {
    return row.year_number == 1 || row.depreciation > 0;
}

// The three texts of a row as the grid shows them: "2004", "1,234.50 ", "8,765.50 ". A level
// schedule repeats one amount year after year: its text is made once.
class RowTexts {
  public:
    void Set(const ScheduleRow& row);
    std::string_view year() const { return {year_.data(), year_length_}; }
    std::string_view depreciation() const { return {amount_.data(), amount_length_}; }
    std::string_view basis_left() const { return {left_.data(), left_length_}; }

  private:
    std::array<char, 16> year_{};
    std::size_t year_length_ = 0;
    double amount_value_ = 0;
    std::array<char, kFormatRoom> amount_{};
    std::size_t amount_length_ = 0;  // 0: no amount's text yet
    std::array<char, kFormatRoom> left_{};
    std::size_t left_length_ = 0;
};

// The texts the grid shows for a schedule, by place: the row of group g (0 to 3), line k (1 to
// 11) at [11 g + k - 1], as year, depreciation and basis left; empty where the grid shows none.
using GridTexts = std::array<std::array<std::string, 3>, 4 * (ScheduleGrid::kRows - 1)>;
GridTexts TextsOf(const Schedule& schedule);

// The title under which a step's fault is reported ("MACRS 2 Error").
std::string_view FaultTitle(const ScheduleFault& fault);

// The method caption's text ("Method: MACRS 200% DB"); empty for none.
std::string_view CaptionText(Caption caption);

// What the status line says of a schedule that ended early for want of something; empty for
// one that completed or was stopped by a fault.
std::string_view EndingText(Ending ending);

// The status line when a calculation starts: empty, in red.
void ClearStatus(Control& line);
// The status line that a schedule leaves: the method's caption in blue once completed, what
// is missing in red when it ended early, left as it was when stopped by a fault.
void ShowStatusAfter(const Schedule& schedule, Control& line);

// Shows a schedule while it is being computed and after: each Flush reports the faults not
// reported yet, each after the rows of the years before it.
class ScheduleReport {
  public:
    // Rows go into `grid`, or to `rows` when given (a row beyond the sheet still faults on the
    // grid). Faults of the calculation itself go to `calculation`, the others to message boxes
    // of their own.
    ScheduleReport(ScheduleGrid& grid, MessageBoxes& boxes, ErrorTrap& calculation,
                   ScheduleRows* rows)
        : grid_(grid), boxes_(boxes), calculation_(calculation), rows_(rows) {}

    void Flush(const Schedule& schedule);
    // Everything left: the faults and then the remaining rows.
    void Finish(const Schedule& schedule);
    // Whether a row was shown: Print and Export work once the grid shows a year.
    bool shown() const { return shown_; }

  private:
    void WriteRows(const Schedule& schedule, int before_year);
    // The cells of a row the grid shows; false for a row beyond the sheet.
    void WriteCells(const ScheduleRow& row, GridPlace place);
    void Report(const ScheduleFault& fault);

    ScheduleGrid& grid_;
    MessageBoxes& boxes_;
    ErrorTrap& calculation_;
    ScheduleRows* rows_;
    std::size_t faults_done_ = 0;
    std::size_t rows_done_ = 0;
    bool shown_ = false;  // a row was shown
    RowTexts texts_;
};

}  // namespace orvane
