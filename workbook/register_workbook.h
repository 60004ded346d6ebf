#pragma once
// The register's report of a tax year as an Excel workbook: a sheet of the assets, one of every
// asset's schedule, one of the totals of every tax year and one of the year's Form 4562. Dates
// are written as dates and amounts as numbers, each with its display format.

#include <filesystem>
#include <string>
#include <string_view>

#include "register/book.h"

namespace orvane::workbook {

// The sheets, in order.
inline constexpr std::string_view kSheetNames[] = {"Register", "Schedules", "Totals", "Form 4562"};

// Writes the report of `figures` (figured from `book`, without errors) to `file` as .xlsx.
// The file is replaced only once the new one is complete. False with a message that names
// the file and the reason.
bool WriteRegisterWorkbook(const std::filesystem::path& file, const reg::Book& book,
                           const reg::BookFigures& figures, const reg::VehicleLimitTable& limits,
                           std::string& error);

}  // namespace orvane::workbook
