#pragma once
// The schedule sheet: a fixed 12 x 13 sheet of cell texts, row 0 the headers, column 0 hidden.

#include <array>
#include <string>
#include <string_view>

namespace orvane {

class ScheduleGrid {
  public:
    static constexpr int kRows = 12;
    static constexpr int kCols = 13;
    enum class Align { Left, RightCentre };

    // Removes every cell text, the headers included; widths and alignment stay.
    void Clear();
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
};

}  // namespace orvane
