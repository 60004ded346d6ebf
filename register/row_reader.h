#pragma once
// A register row read into an asset: the columns found by name in the header row (case and
// surrounding blanks ignored, any order), each cell read and checked, and the first thing
// wrong with a row said as "row N: COLUMN: found 'TEXT', expected ...".

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/register_types.h"
#include "register/vehicle_limits.h"

namespace orvane::reg {

enum class Column : std::uint8_t {
    Id,
    Description,
    Placed,
    Acquired,
    Cost,
    Property,
    Recovery,
    System,
    Method,
    BusinessUse,
    Listed,
    Section179,
    Allowance,
    Disposed,
    Proceeds,
    Prior,
    PriorThrough,
    Convention,
};
inline constexpr std::size_t kColumns = 18;
std::string_view ColumnName(Column c);

struct Header {
    std::vector<int> column_of_field;             // a Column, or -1 for a column not read
    std::array<int, kColumns> field_of_column{};  // -1: not in the file
    std::vector<std::string> ignored;             // names of the columns not read
    std::size_t fields = 0;
};

// Reads the header row. False with the messages (row 1) when a required column is missing or
// a column is named twice.
bool ReadHeader(std::span<const std::string_view> fields, Header& header,
                std::vector<std::string>& errors);

struct RowTexts {
    std::string_view id, description;
};

// Reads one row. False with `error` set ("row N: ...") when it cannot be read.
bool ReadRow(const Header& header, std::span<const std::string_view> fields, int row,
             const VehicleLimitTable& limits, AssetInput& asset, RowTexts& texts,
             std::string& error);

// "row N: COLUMN: found 'TEXT', expected WHAT", the text shortened and its control
// characters shown as '?'.
std::string RowError(int row, std::string_view column, std::string_view found,
                     std::string_view expected);

// What the register command says of a file without a header row, of one without asset rows,
// and of a column it does not read.
inline constexpr std::string_view kRegisterEmpty =
    "the register is empty: expected a header row and a row for each asset";
inline constexpr std::string_view kRegisterWithoutAssets =
    "the register holds no assets: expected a row for each asset below the header";
std::string IgnoredColumnNote(std::string_view name);

// The message of a row whose id the row `first_row` has already.
std::string RepeatedIdError(int row, std::string_view id, int first_row);

// Amounts and dates as the register writes them back: 1234.56, -0.05; 2024-03-01.
void AppendCents(std::string& out, Cents cents);
// The same into `p`, which has room for 24 characters; returns the end.
char* PutCents(char* p, Cents cents);
// A year of four digits into `p`; returns the end.
char* PutYear(char* p, int year);
void AppendDay(std::string& out, Day day);
// A percent in hundredths (7550) as 75.5.
void AppendHundredths(std::string& out, int hundredths);

}  // namespace orvane::reg
