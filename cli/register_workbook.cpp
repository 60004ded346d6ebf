#include "cli/register_workbook.h"

#include <ostream>

#include "register/book.h"
#include "register/vehicle_limits.h"
#include "workbook/workbook_file.h"

namespace orvane::cli {
namespace {

int Fail(std::ostream& err, std::string_view tool, const std::string& message, int status) {
    err << tool << ": " << message << '\n';
    return status;
}

}  // namespace

int WriteWorkbook(const WorkbookRequest& r, std::ostream& err, std::string_view tool) {
    reg::Book book;
    std::string error;
    if (!book.Load(r.file, error)) {
        if (error.starts_with("row ")) {
            err << error << '\n';
            return 1;
        }
        if (error.starts_with("the register is empty"))
            return Fail(err, tool,
                        "the register is empty: expected a header row and a row for each asset", 1);
        return Fail(err, tool, error, 2);
    }
    for (const std::string& name : book.header().ignored)
        err << "note: column '" << name << "' is ignored\n";
    if (book.size() == 0)
        return Fail(err, tool,
                    "the register holds no assets: expected a row for each asset below the header",
                    1);
    std::vector<std::string> problems;
    const reg::VehicleLimitTable limits = reg::LoadVehicleLimits(r.limits_folder, problems);
    const reg::BookFigures figures =
        reg::FigureBook(book, r.year, r.business_income, r.carryover_in, limits);
    for (const auto& [row, text] : figures.errors)
        err << text << '\n';
    if (!figures.errors.empty()) return 1;
    if (!workbook::SaveWorkbook(r.workbook, book, figures, limits, error))
        return Fail(err, tool, error, 2);
    return 0;
}

}  // namespace orvane::cli
