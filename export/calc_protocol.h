#pragma once
// The line protocol between the program and its LibreOffice helper orvane-calc. Each message is
// one line of fields separated by tabs; a backslash, tab or line break inside a field travels as
// "\\", "\t" or "\n".
//
// The helper is started as: orvane-calc SOFFICE PROFILE_DIR PIPE_NAME TIMEOUT_SECONDS
// It first says "PGID n" (LibreOffice's process group), then "READY" once connected, or
// "ERR number description" and ends. Then, one answer per request:
//   OPEN path              -> OK | ERR        load an existing workbook, hidden
//   ADD                    -> OK              a new workbook with one sheet
//   READ col first last    -> OK text...      a column of the active sheet, trailing empty
//                                             cells left off
//   WRITE row col text     -> OK | ERR        a cell, entered as typed
//   WIDTH col characters   -> OK | ERR        a column's width in digit widths
//   SAVE path              -> OK | ERR        store (.ods: OpenDocument; else a new
//                                             workbook by extension, an opened one in
//                                             its own format)
//   CLOSE                  -> OK
//   QUIT                   -> OK              LibreOffice ended, helper ends
// Rows and columns count from 1.

#include <string>
#include <string_view>
#include <vector>

namespace orvane::calc {

inline std::string JoinFields(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) line += '\t';
        for (char ch : fields[i]) {
            if (ch == '\\') {
                line += "\\\\";
            } else if (ch == '\t') {
                line += "\\t";
            } else if (ch == '\n') {
                line += "\\n";
            } else {
                line += ch;
            }
        }
    }
    return line;
}

inline std::vector<std::string> SplitFields(std::string_view line) {
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
        char ch = line[i];
        if (ch == '\t') {
            fields.emplace_back();
        } else if (ch == '\\' && i + 1 < line.size()) {
            char next = line[++i];
            fields.back() += next == 't' ? '\t' : next == 'n' ? '\n' : next;
        } else {
            fields.back() += ch;
        }
    }
    return fields;
}

// Fault numbers the helper reports (the description says the rest).
inline constexpr int kFaultSpreadsheet = 1004;  // the spreadsheet refused the call
inline constexpr int kFaultNoOffice = 429;      // LibreOffice cannot be started, or is gone

}  // namespace orvane::calc
