#pragma once
// What each pass over the register computes of one block of rows, on any thread, and what it
// hands on to be merged in file order.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/form4562.h"
#include "register/csv.h"
#include "register/row_reader.h"
#include "register/writers.h"

namespace orvane::reg {

inline constexpr int kFirstYear = VehicleLimitTable::kFirstYear;
inline constexpr int kLastPlacedYear = VehicleLimitTable::kLastYear;
inline constexpr std::size_t kPlacedYears = kLastPlacedYear - kFirstYear + 1;
inline constexpr std::size_t kRowYears = kPlacedYears + kMaxYears;

// An id as the duplicate check keeps it: its 128-bit hash and its row.
struct IdEntry {
    std::uint64_t low = 0, high = 0;
    std::int32_t row = 0;
};

// What reading a row needs and leaves.
struct RowReading {
    std::vector<std::string_view> fields;
    std::string scratch, error;
    AssetInput asset;
    RowTexts texts;
};

// The header's name of field `field` (or "column N").
std::string FieldName(const Header& header, std::span<const std::string_view> names,
                      std::size_t field);

// Splits and reads one record. False with r.error ("row N: ...") when it cannot be read.
bool ReadRecord(const Header& header, const std::vector<std::string>& names,
                const CsvRecord& record, std::size_t max_record, const VehicleLimitTable& limits,
                RowReading& r);

// Everything the first pass needs to know for all blocks.
struct FirstPassInput {
    const Header* header;
    const std::vector<std::string>* names;
    const VehicleLimitTable* limits;
    std::size_t max_record;
};

struct FirstPass {
    std::vector<std::pair<int, std::string>> errors;
    std::vector<IdEntry> ids;
    std::vector<YearSums> years = std::vector<YearSums>(kPlacedYears);
    long long assets = 0;
    bool vehicles = false;
    RowReading r;

    void Compute(const FirstPassInput& in, const CsvBlock& block);
};

struct SecondPassInput {
    FirstPassInput rows;
    const std::vector<YearFacts>* years;  // by year placed in service
    int year;                             // the tax year reported
    Format format;
    bool to_stdout, to_folder;
};

// Adds the years of one computed asset, placed in service `placed` years after kFirstYear, to
// `totals` (one a tax year from kFirstYear) and widens [low, high] to them.
void AddToTotals(int placed, const Schedule& schedule, std::vector<TotalsRow>& totals, int& low,
                 int& high);

struct SecondPass {
    std::string assets_csv, assets_json, schedules_json, table;
    TextBuffer schedules_csv;
    std::vector<TotalsRow> totals = std::vector<TotalsRow>(kRowYears);
    int low = 0, high = -1;  // the years of `totals` in use, as offsets from kFirstYear
    FormSums form;
    long long assets = 0;
    bool broken = false;  // a row that the first pass read could not be read again
    RowReading r;
    Schedule schedule;

    void Compute(const SecondPassInput& in, const CsvBlock& block);
};

}  // namespace orvane::reg
