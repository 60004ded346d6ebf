#pragma once
// The register command's reports made from the register read into memory and its tax year
// figured (register/book.h): the workbook, written as .xlsx or, converted by LibreOffice
// through the export's helper, as .ods; and the printed report into a PDF file through the
// printing module, as --print-pdf prints the schedule's page.

#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

#include "platform/services.h"
#include "register/register_run.h"

namespace orvane::cli {

struct PdfReport {
    std::string file;
    std::string taxpayer;
    Date printed;
};

// Each returns the exit status as the register command's: 0 written; 1 a register with rows
// that cannot be read, each named on `err` with the command's message, and no file written; 2 a
// file that cannot be read or written. `tool` starts the messages that are not about a row.
// `notes`: the columns the register does not read are named on `err` (when no other report of
// the command names them).
int WriteWorkbook(const reg::RegisterOptions& options, const std::filesystem::path& workbook,
                  bool notes, std::ostream& err, std::string_view tool);
int WriteRegisterPdf(const reg::RegisterOptions& options, const PdfReport& pdf, std::ostream& err,
                     std::string_view tool);

}  // namespace orvane::cli
