#include "register/passes.h"

#include <algorithm>

#define XXH_INLINE_ALL
#include <xxhash.h>

#include "engine/tax_year.h"
#include "register/cells.h"

namespace orvane::reg {

std::string FieldName(const Header& h, std::span<const std::string_view> names, std::size_t field) {
    if (field < h.column_of_field.size() && h.column_of_field[field] >= 0)
        return std::string(ColumnName(static_cast<Column>(h.column_of_field[field])));
    if (field < names.size() && !Trim(names[field]).empty()) return std::string(Trim(names[field]));
    return "column " + std::to_string(field + 1);
}

bool ReadRecord(const Header& header, const std::vector<std::string>& names,
                const CsvRecord& record, std::size_t max_record, const VehicleLimitTable& limits,
                RowReading& r) {
    r.texts = RowTexts{};
    if (record.too_long) {
        r.error = "row " + std::to_string(record.row) + ": longer than " +
                  std::to_string(max_record) + " bytes";
        return false;
    }
    CsvFieldError bad;
    if (!SplitRecord(record.text, r.fields, r.scratch, bad)) {
        std::vector<std::string_view> views(names.begin(), names.end());
        r.error = RowError(record.row, FieldName(header, views, bad.field), bad.text,
                           "a field in double quotes from its first character to its last, "
                           "with \"\" for a quote inside");
        return false;
    }
    return ReadRow(header, r.fields, record.row, limits, r.asset, r.texts, r.error);
}

void FirstPass::Compute(const FirstPassInput& in, const CsvBlock& block) {
    errors.clear();
    ids.clear();
    for (YearSums& y : years)
        y = YearSums{};
    assets = 0;
    vehicles = false;
    for (std::size_t i = 0; i < block.count; ++i) {
        const CsvRecord& rec = block.records[i];
        const bool read = ReadRecord(*in.header, *in.names, rec, in.max_record, *in.limits, r);
        // A bad row's id still counts: a later row with the same id is named too.
        if (!r.texts.id.empty()) {
            const XXH128_hash_t h = XXH3_128bits(r.texts.id.data(), r.texts.id.size());
            ids.push_back({h.low64, h.high64, rec.row});
        }
        if (!read) {
            errors.emplace_back(rec.row, r.error);
            continue;
        }
        const AssetInput& a = r.asset;
        const VehicleLimitYear* limits = in.limits->For(a.kind, a.placed.year());
        AddToYear(a, CappedElection(a, limits),
                  years[static_cast<std::size_t>(a.placed.year() - kFirstYear)]);
        vehicles = vehicles || a.kind == Kind::Auto || a.kind == Kind::Truck;
        ++assets;
    }
}

void AddToTotals(int placed, const Schedule& schedule, std::vector<TotalsRow>& totals, int& low,
                 int& high) {
    const int first = schedule.first_year - kFirstYear;
    low = std::min(low, placed);
    high = std::max(high, placed);
    for (std::size_t k = 0; k < schedule.count; ++k)
        totals[static_cast<std::size_t>(first) + k].Add(schedule.rows[k]);
    if (schedule.count > 0) high = std::max(high, first + static_cast<int>(schedule.count) - 1);
}

void SecondPass::Compute(const SecondPassInput& in, const CsvBlock& block) {
    assets_csv.clear();
    schedules_csv.Clear();
    assets_json.clear();
    schedules_json.clear();
    table.clear();
    for (int y = low; y <= high; ++y)
        totals[static_cast<std::size_t>(y)] = TotalsRow{};
    low = static_cast<int>(kRowYears);
    high = -1;
    form = FormSums{};
    assets = 0;
    broken = false;
    const bool csv = in.to_folder || (in.to_stdout && in.format == Format::Csv);
    const bool json = in.to_stdout && in.format == Format::Json;
    const bool text_table = in.to_stdout && in.format == Format::Table;
    for (std::size_t i = 0; i < block.count; ++i) {
        const CsvRecord& rec = block.records[i];
        const FirstPassInput& rows = in.rows;
        if (!ReadRecord(*rows.header, *rows.names, rec, rows.max_record, *rows.limits, r)) {
            broken = true;
            return;
        }
        const AssetInput& a = r.asset;
        const VehicleLimitYear* limits = rows.limits->For(a.kind, a.placed.year());
        const int placed = a.placed.year() - kFirstYear;
        ComputeAsset(a, {(*in.years)[static_cast<std::size_t>(placed)], limits}, schedule);
        AddToForm(in.year, a, CappedElection(a, limits), schedule, form);
        const AssetView view{r.texts.id, r.texts.description, &a, &schedule};
        if (csv) AppendAssetCsv(assets_csv, view, in.year);
        if (in.to_folder) AppendScheduleCsv(schedules_csv, r.texts.id, schedule);
        if (json) {
            AppendAssetJson(assets_json, view, in.year);
            AppendScheduleJson(schedules_json, r.texts.id, schedule);
        }
        if (text_table) AppendAssetTable(table, view, in.year);
        AddToTotals(placed, schedule, totals, low, high);
        ++assets;
    }
}

}  // namespace orvane::reg
