#include "limits/limit_table.h"

#include <array>
#include <fstream>
#include <stdexcept>
#include <string_view>

#include "limits/vehicle_limit_files.h"

namespace orvane {
namespace {

// Splits one line of comma-separated fields; a quoted field may hold commas and "" for a quote.
std::vector<std::string> SplitCsv(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    if (quoted) throw std::runtime_error("unterminated quote");
    return fields;
}

constexpr std::array<std::string_view, 9> kColumns = {
    "kind",         "year",          "FirstYearBonus30Max", "FirstYearMax", "SecondYearMax",
    "ThirdYearMax", "FourthYearMax", "FirstYearBonus50Max", "status"};

}  // namespace

std::vector<LimitTableRow> ReadLimitTable(std::istream& in) {
    std::vector<LimitTableRow> rows;
    std::string line;
    int number = 0;
    bool header = false;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.front() == '#') continue;
        auto where = [&] { return "line " + std::to_string(number) + ": "; };
        std::vector<std::string> f;
        try {
            f = SplitCsv(line);
        } catch (const std::runtime_error& e) {
            throw std::runtime_error(where() + e.what());
        }
        if (!header) {
            for (std::size_t i = 0; i < kColumns.size(); ++i) {
                if (i >= f.size() || f[i] != kColumns[i]) {
                    throw std::runtime_error(where() + "expected column " +
                                             std::string(kColumns[i]));
                }
            }
            header = true;
            continue;
        }
        if (f.size() < kColumns.size()) throw std::runtime_error(where() + "too few columns");
        if (f[0].size() != 1 || LimitFileForKind(f[0][0]).empty()) {
            throw std::runtime_error(where() + "unknown kind '" + f[0] + "'");
        }
        LimitTableRow row;
        row.kind = f[0][0];
        for (int i = 0; i < VehicleLimitRecord::kFieldCount; ++i) {
            const std::string& text = f[1 + i];
            if (static_cast<int>(text.size()) > kRecordLayout[i].width) {
                throw std::runtime_error(where() + "'" + text + "' is wider than " +
                                         std::string(kRecordLayout[i].name));
            }
            row.record.Field(i) = text;
        }
        row.status = f[8];
        rows.push_back(std::move(row));
    }
    if (!header) throw std::runtime_error("no header line");
    return rows;
}

bool Shippable(const LimitTableRow& row) {
    return row.status == "verified" || row.status == "derived";
}

void WriteLimitFiles(const std::vector<LimitTableRow>& rows, const std::filesystem::path& folder) {
    for (char kind : {'A', 'E', 'T'}) {
        const std::filesystem::path target = folder / LimitFileForKind(kind);
        std::filesystem::path part = target;
        part += ".part";
        {
            std::ofstream out(part, std::ios::binary | std::ios::trunc);
            for (const LimitTableRow& row : rows) {
                if (row.kind != kind || !Shippable(row)) continue;
                const RecordBytes bytes = EncodeRecord(row.record);
                out.write(bytes.data(), bytes.size());
            }
            out.close();
            if (!out) throw std::runtime_error("cannot write " + part.string());
        }
        std::filesystem::rename(part, target);
    }
}

}  // namespace orvane
