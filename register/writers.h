#pragma once
// The register's outputs, written as they are made: the row of each asset and its schedule,
// then the totals of every tax year and the year's Form 4562, as CSV (the four files), JSON
// (one document with the same names) or an aligned table for a terminal.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/json_text.h"
#include "engine/form4562.h"
#include "engine/register_asset.h"

namespace orvane::reg {

enum class Format { Table, Csv, Json };

// A growing text written in place: the schedules' rows go straight into its room.
class TextBuffer {
  public:
    // Room for `n` more characters after the text.
    char* Room(std::size_t n) {
        if (capacity_ - size_ < n) Grow(n);
        return data_.get() + size_;
    }
    // The text now ends at `end` (within the last room).
    void EndAt(const char* end) { size_ = static_cast<std::size_t>(end - data_.get()); }
    void Clear() { size_ = 0; }
    std::string_view view() const { return {data_.get(), size_}; }

  private:
    void Grow(std::size_t n);
    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0, capacity_ = 0;
};

// One tax year of the totals: the sums of the schedules' rows of that year.
struct TotalsRow {
    Cents section179 = 0, allowance = 0, depreciation = 0, accumulated = 0, basis_left = 0;
    long long assets = 0;
    Cents total() const { return section179 + allowance + depreciation; }
    void Add(const YearRow& r);
    TotalsRow& operator+=(const TotalsRow& o);
};

// What an asset's row shows of the asset itself.
struct AssetView {
    std::string_view id, description;
    const AssetInput* input;
    const Schedule* schedule;
};

// The asset's own figures of the reported year: those of its row of the year, the accumulated
// and the basis left carried on after its last row.
struct YearFigures {
    Cents section179 = 0, allowance = 0, depreciation = 0, accumulated = 0, basis_left = 0;
};
YearFigures FiguresOf(const Schedule& s, int year);

// The words of an asset's row ("personal", "GDS", "200DB", "HY"; empty where they do not
// apply) and its notes, as the outputs write them.
struct AssetWords {
    std::string_view property, system, method, convention;
    std::string notes;
};
AssetWords WordsOf(const AssetView& a);

// The header lines of each CSV file.
extern const std::string_view kAssetsHeader;
extern const std::string_view kSchedulesHeader;
extern const std::string_view kTotalsHeader;
extern const std::string_view kFormHeader;

// `year` is the tax year the register reports.
void AppendAssetCsv(std::string& out, const AssetView& a, int year);
// JSON elements each begin with ",\n": the writer drops the comma of a list's first.
void AppendAssetJson(std::string& out, const AssetView& a, int year);
void AppendAssetTable(std::string& out, const AssetView& a, int year);
std::string AssetTableHeader(int year);
void AppendScheduleCsv(TextBuffer& out, std::string_view id, const Schedule& s);
void AppendScheduleJson(std::string& out, std::string_view id, const Schedule& s);

void AppendTotalsRow(std::string& out, Format format, int year, const TotalsRow& t);
std::string TotalsTableHeader();
// One row of Form 4562 as the register shows it: the line ("6", "19c"), the class of a line
// 19 or 20 row, its basis, recovery, convention and method, and its amount in whole dollars
// (nothing where the line is blank).
struct FormLine {
    std::string line, cls;
    std::optional<long long> basis;
    std::string recovery, convention, method;
    std::optional<long long> amount;
    std::string key;  // FormRowKey
};
// What tells a row of the form from the others: its line, and for a row of line 19 or 20 with
// assets its convention and method too ("19c HY 200 DB"), as line 19c may have one row for
// the 200% and one for the 150% declining balance.
std::string FormRowKey(std::string_view line, Convention convention, int factor_percent);
std::vector<FormLine> FormLines(const Form4562& form);

// The form's lines, one a row, in the format (JSON: the array's elements).
std::string FormText(const Form4562& form, Format format);

// `,"name":` and the text as a JSON string, or null when it is empty.
void JsonText(std::string& out, std::string_view name, std::string_view text);
// A text as a CSV field, in quotes when it holds a comma, a quote or a line break.
void AppendCsvField(std::string& out, std::string_view text);
// Cents with thousands separators (1,234.56), or whole dollars (1,235).
void AppendGrouped(std::string& out, Cents cents, bool whole_dollars);

}  // namespace orvane::reg
