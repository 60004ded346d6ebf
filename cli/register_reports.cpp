#include "cli/register_reports.h"

#include <ostream>
#include <vector>

#include "cli/print.h"
#include "platform/fault.h"
#include "register/book.h"
#include "register/vehicle_limits.h"
#include "report/report_pages.h"
#include "workbook/workbook_file.h"

namespace orvane::cli {
namespace {

int Fail(std::ostream& err, std::string_view tool, const std::string& message, int status) {
    err << tool << ": " << message << '\n';
    return status;
}

struct FiguredRegister {
    reg::Book book;
    reg::VehicleLimitTable limits;
    reg::BookFigures figures;
};

// Reads the register of `o` and figures its year: 0, or the exit status with its messages.
int Figure(const reg::RegisterOptions& o, bool notes, FiguredRegister& r, std::ostream& err,
           std::string_view tool) {
    std::string error;
    if (!r.book.Load(o.file, error)) {
        if (error.starts_with("row ")) {
            err << error << '\n';
            return 1;
        }
        return Fail(err, tool, error, error == reg::kRegisterEmpty ? 1 : 2);
    }
    std::vector<std::string> problems;
    r.limits = reg::LoadVehicleLimits(o.limits_folder, problems);
    if (r.book.size() > 0)
        r.figures = reg::FigureBook(r.book, o.year, o.business_income, o.carryover_in, r.limits);
    // The command's own report names the ignored columns, unless this stops it.
    if (notes || r.book.size() == 0 || !r.figures.errors.empty()) {
        for (const std::string& name : r.book.header().ignored)
            err << reg::IgnoredColumnNote(name) << '\n';
    }
    if (r.book.size() == 0) return Fail(err, tool, std::string(reg::kRegisterWithoutAssets), 1);
    for (const auto& [row, text] : r.figures.errors)
        err << text << '\n';
    return r.figures.errors.empty() ? 0 : 1;
}

}  // namespace

int WriteWorkbook(const reg::RegisterOptions& o, const std::filesystem::path& workbook, bool notes,
                  std::ostream& err, std::string_view tool) {
    FiguredRegister r;
    if (const int status = Figure(o, notes, r, err, tool); status != 0) return status;
    std::string error;
    if (!workbook::SaveWorkbook(workbook, r.book, r.figures, r.limits, error))
        return Fail(err, tool, error, 2);
    return 0;
}

int WriteRegisterPdf(const reg::RegisterOptions& o, const PdfReport& pdf, std::ostream& err,
                     std::string_view tool) {
    FiguredRegister r;
    if (const int status = Figure(o, false, r, err, tool); status != 0) return status;
    try {
        CliPrinter printer;
        printer.UsePdfFile(pdf.file);
        printer.PrintPages(
            report::RegisterReportPages(r.book, r.figures, {pdf.taxpayer, pdf.printed}, printer));
    } catch (const Fault& f) {
        return Fail(err, tool,
                    "cannot print the report into '" + pdf.file + "': " + f.description(), 2);
    }
    return 0;
}

}  // namespace orvane::cli
