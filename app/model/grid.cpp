#include "app/model/grid.h"

#include <utility>

#include "base/fault.h"

namespace orvane {

void ScheduleGrid::Clear() {
    for (auto& r : cells_) {
        for (auto& c : r)
            c.clear();
    }
    ++clears_;
}

void ScheduleGrid::SelectRow(int row) {
    if (row < 0 || row >= kRows) Raise(fault::kInvalidRow);
    row_ = row;
}

void ScheduleGrid::SelectCol(int col) {
    if (col < 0 || col >= kCols) Raise(fault::kInvalidCol);
    col_ = col;
}

void ScheduleGrid::SetText(std::string_view text) {
    // Into the cell's own room: an emptied sheet keeps it for the next schedule.
    cells_[row_][col_].assign(text);
}

void ScheduleGrid::SetColWidth(int col, int twips) {
    if (col < 0 || col >= kCols) Raise(fault::kInvalidCol);
    widths_[col] = twips;
}

void ScheduleGrid::SetColAlign(int col, Align align) {
    if (col < 0 || col >= kCols) Raise(fault::kInvalidCol);
    aligns_[col] = align;
}

void SetGridHeaders(ScheduleGrid& g) {
    g.SelectRow(0);
    g.SelectCol(0);
    g.SetColWidth(0, 0);
    for (int col = 1; col <= 10; col += 3) {
        const std::pair<int, const char*> group[3] = {{kYearColumnWidth, " Year "},
                                                      {kAmountColumnWidth, "  Depreciation  "},
                                                      {kAmountColumnWidth, " Adj. Tax Basis "}};
        for (int i = 0; i < 3; ++i) {
            g.SelectCol(col + i);
            g.SetColWidth(col + i, group[i].first);
            g.SetText(group[i].second);
        }
    }
    for (int col = 1; col <= 12; ++col)
        g.SetColAlign(col, ScheduleGrid::Align::RightCentre);
}

}  // namespace orvane
