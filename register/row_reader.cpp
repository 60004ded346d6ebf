#include "register/row_reader.h"

#include <bit>
#include <cstdint>
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

std::string IgnoredColumnNote(std::string_view name) {
    return "note: column '" + std::string(name) + "' is ignored";
}

std::string RepeatedIdError(int row, std::string_view id, int first_row) {
    return RowError(row, "id", id,
                    "an id not used before (row " + std::to_string(first_row) + " has it)");
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

namespace {

constexpr char kPairs[] =
    "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243"
    "4445464748495051525354555657585960616263646566676869707172737475767778798081828384858687"
    "888990919293949596979899";

// The number of decimal digits of `v` (1 for 0), without a loop.
int DigitsOf(std::uint64_t v) {
    static constexpr std::uint64_t kPowers[] = {1,
                                                10,
                                                100,
                                                1000,
                                                10000,
                                                100000,
                                                1000000,
                                                10000000,
                                                100000000,
                                                1000000000,
                                                10000000000,
                                                100000000000,
                                                1000000000000,
                                                10000000000000,
                                                100000000000000,
                                                1000000000000000,
                                                10000000000000000,
                                                100000000000000000,
                                                1000000000000000000,
                                                10000000000000000000u};
    v |= 1;  // the same number of digits, and 0 counts one
    const int below = std::bit_width(v) * 1233 >> 12;  // log10(2) is about 1233 / 4096
    return below + (v >= kPowers[below]);
}

}  // namespace

char* PutCents(char* p, Cents cents) {
    if (cents == 0) {
        std::memcpy(p, "0.00", 4);
        return p + 4;
    }
    auto v = static_cast<std::uint64_t>(cents);
    if (cents < 0) {
        *p++ = '-';
        v = 0 - v;
    }
    std::uint64_t whole = v / 100;
    // The digits are written from the end, straight into place, two at a time.
    char* const end = p + DigitsOf(whole) + 3;
    char* t = end - 2;
    std::memcpy(t, kPairs + v % 100 * 2, 2);
    *--t = '.';
    while (whole >= 100) {
        t -= 2;
        std::memcpy(t, kPairs + whole % 100 * 2, 2);
        whole /= 100;
    }
    if (whole >= 10) {
        std::memcpy(t - 2, kPairs + whole * 2, 2);
    } else {
        t[-1] = static_cast<char>('0' + whole);
    }
    return end;
}

char* PutYear(char* p, int year) {
    const auto y = static_cast<unsigned>(year) % 10000;
    std::memcpy(p, kPairs + y / 100 * 2, 2);
    std::memcpy(p + 2, kPairs + y % 100 * 2, 2);
    return p + 4;
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
