#include "cli/register_pdf.h"

#include <vector>

#include "cli/print.h"
#include "platform/fault.h"
#include "register/book.h"
#include "register/vehicle_limits.h"
#include "report/report_pages.h"

namespace orvane::cli {

int WriteRegisterPdf(const reg::RegisterOptions& o, const PdfReport& pdf, std::ostream& err,
                     std::string_view tool) {
    reg::Book book;
    std::string error;
    if (!book.Load(o.file, error)) {
        err << tool << ": " << error << '\n';
        return 2;
    }
    std::vector<std::string> problems;
    const reg::VehicleLimitTable limits = reg::LoadVehicleLimits(o.limits_folder, problems);
    const reg::BookFigures figures =
        reg::FigureBook(book, o.year, o.business_income, o.carryover_in, limits);
    if (!figures.errors.empty()) {
        for (const auto& [row, text] : figures.errors)
            err << text << '\n';
        return 1;
    }
    try {
        CliPrinter printer;
        printer.UsePdfFile(pdf.file);
        printer.PrintPages(
            report::RegisterReportPages(book, figures, {pdf.taxpayer, pdf.printed}, printer));
    } catch (const Fault& f) {
        err << tool << ": cannot print the report into '" << pdf.file << "': " << f.description()
            << '\n';
        return 2;
    }
    return 0;
}

}  // namespace orvane::cli
