#pragma once
// The register's printed report: the year's Form 4562, every asset with its figures of the
// year, then the totals of every tax year, laid out on letter pages as positioned text for a
// printer (platform/printer.h). Every page starts with the report's title, the taxpayer, the tax
// year, the day it was printed and "Page N of M". The tables are in a fixed-pitch font, amounts
// right-aligned; a table too wide for the page takes a smaller size, down to 6 points, and
// descriptions are cut to the room left.

#include <string>
#include <string_view>
#include <vector>

#include "platform/printer.h"
#include "platform/services.h"
#include "register/book.h"

namespace orvane::report {

inline constexpr std::string_view kReportTitle = "Depreciation Report";

// Letter paper and its margins, in twips.
inline constexpr double kPageWidth = 12240;
inline constexpr double kPageHeight = 15840;
inline constexpr double kMargin = 720;

// The advance of a character of the report's font at `size` points, in twips (0.6 em).
constexpr double CharWidth(double size) {
    return size * 12;
}

struct ReportParticulars {
    std::string taxpayer;  // empty: none shown
    Date printed;          // the day of printing, as a clock gives it
};

// The report's pages on `figures`, the year's figures of `book` (figured without errors); line
// heights come from `printer`, which raises what it raises.
std::vector<std::vector<PrintItem>> RegisterReportPages(const reg::Book& book,
                                                        const reg::BookFigures& figures,
                                                        const ReportParticulars& particulars,
                                                        Printer& printer);

}  // namespace orvane::report
