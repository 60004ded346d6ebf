#pragma once
// The asset's block in a workbook: the particulars, then the schedule's years as the grid shows
// them, as a list of cell writes, and the row where a new block starts.

#include <string>
#include <vector>

#include "app/model/particulars.h"
#include "app/model/schedule_writer.h"
#include "base/error_trap.h"

namespace orvane {

struct CellWrite {
    int row;  // from 1
    int col;  // 1 = A
    std::string text;
    friend bool operator==(const CellWrite&, const CellWrite&) = default;
};

// The first row of a new block, from the texts of column C (rows 1, 2, ...; rows past the end
// of the list are empty): the first row i where i, i+1 and i+2 are empty, moved down two rows
// when something is above it.
int ExportStartRow(const std::vector<std::string>& column_c);

// Rows of column C the start-row search reads.
inline constexpr int kExportSearchRows = 90002;

// The particulars, in the order they are written: columns A and B of rows R to R+3, B of R+4,
// the allowance line in A of R+4 when an allowance box is checked, then the headers "Year",
// "Depreciation" and "Adj Tax Basis" in C to E of row R. A text that cannot be worked out (a cost
// that is not a number, a convention the method does not have) is reported through `trap` and
// written empty.
std::vector<CellWrite> ExportParticulars(const Particulars& p, int start_row, ErrorTrap& trap);

// The texts of the schedule's years, right-justified in 13 characters, at rows R + 11g + k of
// columns C to E for the grid's group g and line k.
std::vector<CellWrite> ExportSchedule(const GridTexts& cells, int start_row);

}  // namespace orvane
