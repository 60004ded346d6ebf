// Feeds arbitrary bytes as a register file, with the reader's limits taken from the same input,
// through the reader, the header and every row, and computes each row that reads: records come
// out with rising row numbers and a record is too long exactly when the limit says so; a row
// either reads or says "row N: ..."; a computed asset never takes more than its business cost
// and its rows add up.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/register_asset.h"
#include "engine/tax_year.h"
#include "register/csv.h"
#include "register/row_reader.h"
#include "register/vehicle_limits.h"

#define CHECK(condition)                    \
    do {                                    \
        if (!(condition)) __builtin_trap(); \
    } while (0)

namespace {

using namespace orvane::reg;

void Compute(const AssetInput& a, bool mid_quarter, const VehicleLimitTable& vehicles) {
    YearFacts year;
    year.mid_quarter = mid_quarter;
    static Schedule s;
    ComputeAsset(a, {year, vehicles.For(a.kind, a.placed.year())}, s);
    Cents taken = 0;
    for (std::size_t i = 0; i < s.count; ++i) {
        const YearRow& r = s.rows[i];
        CHECK(r.section179 >= 0 && r.allowance >= 0 && r.depreciation >= 0);
        taken += r.total();
        if (a.prior_through == 0) CHECK(r.accumulated == taken);
        CHECK(r.accumulated <= s.business_cost);
        CHECK(r.basis_left == s.business_cost - r.accumulated);
    }
    CHECK(s.depreciable_basis >= 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider in(bytes, size);
    const CsvLimits limits{.max_record = in.ConsumeIntegralInRange<std::size_t>(1, 256),
                           .block_records = in.ConsumeIntegralInRange<std::size_t>(1, 16),
                           .block_bytes = in.ConsumeIntegralInRange<std::size_t>(1, 512),
                           .piece = in.ConsumeIntegralInRange<std::size_t>(1, 64)};
    const bool mid_quarter = in.ConsumeBool();
    std::string text = in.ConsumeRemainingBytesAsString();
    if (text.empty()) return 0;
    std::FILE* file = fmemopen(text.data(), text.size(), "rb");
    if (!file) return 0;
    CsvReader reader(file, limits);
    CsvBlock block;
    Header header;
    bool have_header = false;
    static const VehicleLimitTable vehicles = [] {
        VehicleLimitTable t;
        for (int y = VehicleLimitTable::kFirstYear; y <= VehicleLimitTable::kLastYear; ++y) {
            t.Set('A', y, {0, 12'200, 19'600, 11'800, 7'060, 20'200, false});
            t.Set('T', y, {16'400, 10'000, 16'000, 9'600, 5'760, 18'000, false});
        }
        return t;
    }();
    std::vector<std::string_view> fields;
    std::string scratch, error;
    int last_row = 0;
    while (reader.Fill(block)) {
        for (std::size_t i = 0; i < block.count; ++i) {
            const CsvRecord& rec = block.records[i];
            CHECK(rec.row > last_row);
            last_row = rec.row;
            CHECK(rec.too_long ? rec.text.empty() : rec.text.size() <= limits.max_record);
            CsvFieldError bad;
            if (rec.too_long || !SplitRecord(rec.text, fields, scratch, bad)) continue;
            std::vector<std::string> problems;
            if (!have_header) {
                have_header = ReadHeader(fields, header, problems);
                continue;
            }
            AssetInput a;
            RowTexts texts;
            if (ReadRow(header, fields, rec.row, vehicles, a, texts, error)) {
                Compute(a, mid_quarter, vehicles);
            } else {
                CHECK(error.starts_with("row " + std::to_string(rec.row) + ": "));
            }
        }
    }
    std::fclose(file);
    return 0;
}
