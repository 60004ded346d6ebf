#pragma once
// The register's workbook saved under the name a person chose: .xlsx written directly, .ods
// stored by LibreOffice (through the export's helper) from an .xlsx made in a private folder.

#include <filesystem>
#include <string>
#include <string_view>

#include "register/book.h"

namespace orvane::workbook {

// True for a workbook's file name that can be saved: one ending in .xlsx or .ods.
bool WorkbookName(std::string_view name);

// Saves the report of `figures` (figured from `book`, without errors) to `file`, by its
// extension. The file is replaced only once the new one is complete. False with a message
// that names the file and the reason.
bool SaveWorkbook(const std::filesystem::path& file, const reg::Book& book,
                  const reg::BookFigures& figures, const reg::VehicleLimitTable& limits,
                  std::string& error);

}  // namespace orvane::workbook
