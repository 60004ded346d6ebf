#pragma once
// The table of yearly vehicle limits the program ships (limits/data/vehicle_limits.csv) and the
// limit files made from it at build time.

#include <filesystem>
#include <istream>
#include <string>
#include <vector>

#include "limits/data_file.h"

namespace orvane {

struct LimitTableRow {
    char kind = 0;  // 'A', 'E' or 'T'
    VehicleLimitRecord record;
    std::string status;  // verified, derived, unverified, incomplete
};

// Reads the table: '#' lines are comments, the first other line names the columns (kind, year,
// the six amounts in file order, status, ...); fields may be quoted. Throws
// std::runtime_error naming the line of a malformed row.
std::vector<LimitTableRow> ReadLimitTable(std::istream& in);

// Only verified figures and those derived by a stated rule are shipped.
bool Shippable(const LimitTableRow& row);

// Writes AutoMax.DAT, Electric.DAT and TruckMax.DAT into `folder` with the shippable rows of
// each kind in the table's order. Throws std::runtime_error when a file cannot be written.
void WriteLimitFiles(const std::vector<LimitTableRow>& rows, const std::filesystem::path& folder);

}  // namespace orvane
