#pragma once
// The register command's workbook: the register read into memory, its tax year figured, and the
// report written as an Excel workbook (.xlsx) or, converted by LibreOffice through the export's
// helper, as an OpenDocument spreadsheet (.ods).

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string_view>

namespace orvane::cli {

struct WorkbookRequest {
    std::filesystem::path file, workbook, limits_folder;
    int year = 0;
    std::optional<long long> business_income;
    long long carryover_in = 0;
};

// The exit status as the register command's: 0 written; 1 a register with rows that cannot be
// read, each named on `err` with the command's message, and no file written; 2 a file that
// cannot be read or written. `tool` starts the messages that are not about a row.
int WriteWorkbook(const WorkbookRequest& request, std::ostream& err, std::string_view tool);

}  // namespace orvane::cli
