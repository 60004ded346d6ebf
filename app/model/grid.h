#pragma once
// The schedule sheet: a fixed 12 x 13 sheet of cell texts, row 0 the headers, column 0 hidden.
// Four groups of three columns (year, depreciation, basis left) side by side hold eleven years
// each.

#include <array>
#include <string>
#include <string_view>

namespace orvane {

class ScheduleGrid {
  public:
    static constexpr int kRows = 12;
    static constexpr int kCols = 13;
    enum class Align { Left, RightCentre };

    // Removes every cell text, the headers included; widths and alignment stay. The sheet shows
    // its first group again.
    void Clear();
    // How many times the sheet was emptied: a view that scrolled shows the first group again
    // when it changes.
    int clears() const { return clears_; }
    // Selecting a cell outside the sheet raises fault 30009 (row) or 30010 (column).
    void SelectRow(int row);
    void SelectCol(int col);
    int row() const { return row_; }
    int col() const { return col_; }
    void SetText(std::string_view text);  // the current cell
    const std::string& Text(int row, int col) const { return cells_[row][col]; }
    void SetColWidth(int col, int twips);
    int ColWidth(int col) const { return widths_[col]; }
    void SetColAlign(int col, Align align);
    Align ColAlign(int col) const { return aligns_[col]; }

  private:
    std::array<std::array<std::string, kCols>, kRows> cells_{};
    std::array<int, kCols> widths_{};
    std::array<Align, kCols> aligns_{};
    int row_ = 0;
    int col_ = 0;
    int clears_ = 0;
};

// The width of a group's year column and of its two amount columns, in twips.
inline constexpr int kYearColumnWidth = 460;
inline constexpr int kAmountColumnWidth = 1280;

// Where the row of schedule year `year_number` (1 and on) goes: its group's first column and
// its row; past the 44th year the row lies beyond the sheet.
struct GridPlace {
    int first_col;
    int row;
};
inline GridPlace PlaceOfYear(int year_number) {
    if (year_number >= 34) return {10, year_number - 33};
    if (year_number >= 23) return {7, year_number - 22};
    if (year_number >= 12) return {4, year_number - 11};
    return {1, year_number};
}

// Writes the headers of the four groups, their widths and the alignment of every column.
void SetGridHeaders(ScheduleGrid& grid);

}  // namespace orvane
