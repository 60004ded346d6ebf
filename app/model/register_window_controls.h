#pragma once
// The register window's state without a toolkit: the file it holds, the tax year and the two
// amounts of the section 179 limit, the rows shown (filtered and sorted), the last message and
// the year's figures; and the pure pieces its handlers use: cells normalised as people write
// them, the rows' sort keys and the filter.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "register/book.h"

namespace orvane {

struct RegisterWindowControls {
    std::string file;       // the CSV file the register came from or was saved to; "" for new
    bool modified = false;  // changed since opened or saved
    bool can_undo = false, can_redo = false;

    int year = 2025;
    std::string business_income;  // as typed; empty: not given
    std::string carryover;        // as typed; empty: 0

    std::string filter;
    int sort_field = -1;  // a field of the book, or -1 for the book's own order
    bool descending = false;
    std::vector<std::size_t> shown;  // the book rows shown, in the order shown

    // The last thing said to the person: a refusal's reason, a file saved.
    std::string message;
    bool message_is_error = false;

    reg::BookFigures figures;            // of `year`, after the last accepted change
    bool figuring = false;               // newer figures are being made
    std::string chosen_line;             // the Form 4562 row (FormRowKey) whose assets are picked
    std::vector<std::size_t> line_rows;  // those assets' book rows
};

// The window's caption: the file's name (or "Untitled"), a star when changed.
std::string RegisterCaption(const RegisterWindowControls& c);

// A cell as typed made into the reader's form: amounts without "$", thousands separators or
// blanks ("$12,500.00" is 12500.00), dates as YYYY-MM-DD (02/15/2024 is 2024-02-15). Text that
// is neither is left as typed (trimmed), for the reader to judge.
std::string NormaliseCell(reg::Column column, std::string_view text);

// True when the row has `needle` (lower case) in any of its cells, case ignored.
bool RowMatches(const std::vector<std::string>& fields, std::string_view needle);

// The rows of `book` that match `filter`, in book order, then stably sorted by field `field`
// (amounts and counts as numbers, other cells as text with their digits compared as numbers).
std::vector<std::size_t> RowsShown(const reg::Book& book, std::string_view filter, int field,
                                   bool descending);

// Whether a field's cells sort as numbers.
bool SortsAsNumber(const reg::Book& book, int field);

// The column a field reads, if the reader knows it.
std::optional<reg::Column> ColumnOfField(const reg::Book& book, int field);

}  // namespace orvane
