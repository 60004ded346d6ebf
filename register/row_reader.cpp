#include "register/row_reader.h"

#include <cstring>
#include <optional>

#include "register/cells.h"

namespace orvane::reg {
namespace {

constexpr std::string_view kNames[kColumns] = {
    "id",
    "description",
    "placed_in_service",
    "acquired",
    "cost",
    "property",
    "recovery",
    "system",
    "method",
    "business_use",
    "listed",
    "section_179",
    "allowance",
    "disposed",
    "proceeds",
    "prior_depreciation",
    "prior_through",
    "convention",
};
constexpr Column kRequired[] = {Column::Id, Column::Placed, Column::Cost};

// Lower case, without surrounding blanks (nor the byte order mark a spreadsheet may start its
// file with).
std::string Folded(std::string_view name) {
    if (name.starts_with("\xEF\xBB\xBF")) name.remove_prefix(3);
    name = Trim(name);
    std::string s(name);
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

}  // namespace

std::string_view ColumnName(Column c) {
    return kNames[static_cast<std::size_t>(c)];
}

bool ReadHeader(std::span<const std::string_view> fields, Header& h,
                std::vector<std::string>& errors) {
    h.field_of_column.fill(-1);
    h.column_of_field.assign(fields.size(), -1);
    h.ignored.clear();
    h.fields = fields.size();
    const std::size_t before = errors.size();
    for (std::size_t f = 0; f < fields.size(); ++f) {
        const std::string name = Folded(fields[f]);
        int found = -1;
        for (std::size_t c = 0; c < kColumns; ++c) {
            if (kNames[c] == name) found = static_cast<int>(c);
        }
        if (found < 0) {
            h.ignored.push_back(std::string(Trim(fields[f])));
            continue;
        }
        int& slot = h.field_of_column[static_cast<std::size_t>(found)];
        if (slot >= 0) {
            errors.push_back(RowError(1, name, fields[f], "each column once"));
            continue;
        }
        slot = static_cast<int>(f);
        h.column_of_field[f] = found;
    }
    for (Column c : kRequired) {
        if (h.field_of_column[static_cast<std::size_t>(c)] < 0) {
            errors.push_back("row 1: " + std::string(ColumnName(c)) +
                             ": found no such column, expected one (id, placed_in_service and "
                             "cost are required)");
        }
    }
    return errors.size() == before;
}

std::string RowError(int row, std::string_view column, std::string_view found,
                     std::string_view expected) {
    constexpr std::size_t kShown = 60;
    std::string text;
    for (char c : found.substr(0, kShown))
        text += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    if (found.size() > kShown) text += "...";
    std::string out = "row " + std::to_string(row) + ": ";
    out.append(column);
    out += ": found '" + text + "', expected ";
    out.append(expected);
    return out;
}

bool ReadRow(const Header& h, std::span<const std::string_view> fields, int row,
             const VehicleLimitTable& limits, AssetInput& a, RowTexts& texts, std::string& error) {
    if (fields.size() > h.fields) {
        error = "row " + std::to_string(row) + ": found " + std::to_string(fields.size()) +
                " fields, expected at most " + std::to_string(h.fields) +
                " (one for each column of the header)";
        return false;
    }
    CellReader cells(h, fields, row, error);
    a = AssetInput{};
    return cells.Read(a, texts) && cells.Check(a, limits);
}

char* PutCents(char* p, Cents cents) {
    static constexpr char kPairs[] =
        "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243"
        "4445464748495051525354555657585960616263646566676869707172737475767778798081828384858687"
        "888990919293949596979899";
    if (cents == 0) {
        std::memcpy(p, "0.00", 4);
        return p + 4;
    }
    if (cents < 0) {
        *p++ = '-';
        cents = -cents;
    }
    auto whole = static_cast<unsigned long long>(cents / 100);
    const auto frac = static_cast<std::size_t>(cents % 100) * 2;
    // The digits are written from the end, straight into place.
    int digits = 1;
    for (unsigned long long w = whole; w >= 10; w /= 10)
        ++digits;
    char* end = p + digits + 3;
    char* t = end;
    *--t = kPairs[frac + 1];
    *--t = kPairs[frac];
    *--t = '.';
    while (whole >= 100) {
        const auto pair = static_cast<std::size_t>(whole % 100) * 2;
        whole /= 100;
        *--t = kPairs[pair + 1];
        *--t = kPairs[pair];
    }
    if (whole >= 10) {
        *--t = kPairs[whole * 2 + 1];
        *--t = kPairs[whole * 2];
    } else {
        *--t = static_cast<char>('0' + whole);
    }
    return end;
}

void AppendCents(std::string& out, Cents cents) {
    char buf[32];
    out.append(buf, static_cast<std::size_t>(PutCents(buf, cents) - buf));
}

void AppendDay(std::string& out, Day day) {
    char buf[10];
    int y = day.year();
    for (int i = 3; i >= 0; --i) {
        buf[i] = static_cast<char>('0' + y % 10);
        y /= 10;
    }
    buf[4] = '-';
    buf[5] = static_cast<char>('0' + day.month() / 10);
    buf[6] = static_cast<char>('0' + day.month() % 10);
    buf[7] = '-';
    buf[8] = static_cast<char>('0' + day.day() / 10);
    buf[9] = static_cast<char>('0' + day.day() % 10);
    out.append(buf, 10);
}

void AppendHundredths(std::string& out, int hundredths) {
    out += std::to_string(hundredths / 100);
    const int frac = hundredths % 100;
    if (frac == 0) return;
    out += '.';
    out += static_cast<char>('0' + frac / 10);
    if (frac % 10 != 0) out += static_cast<char>('0' + frac % 10);
}

}  // namespace orvane::reg
