#pragma once
// The register's printed report into a PDF file (orvane-cli register --pdf FILE): the register
// read into memory, its year figured, the report's pages laid out (report/report_pages.h) and
// printed through the printing module, as --print-pdf prints the schedule's page.

#include <ostream>
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

// The exit status: 0 written, 1 a register with rows that cannot be read (each named on
// `err`), 2 a register that cannot be read or a PDF that cannot be written.
int WriteRegisterPdf(const reg::RegisterOptions& options, const PdfReport& pdf, std::ostream& err,
                     std::string_view tool);

}  // namespace orvane::cli
