#include "app/model/register_window_controls.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>

#include "register/cells.h"

namespace orvane {
namespace {

using reg::Column;

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsAmount(Column c) {
    return c == Column::Cost || c == Column::Section179 || c == Column::Proceeds ||
           c == Column::Prior;
}

bool IsDate(Column c) {
    return c == Column::Placed || c == Column::Acquired || c == Column::Disposed;
}

// "$12,500.00", "-$1,200", "12 500": the plain decimal, or "" when it is not an amount.
std::string PlainAmount(std::string_view t) {
    std::string out;
    bool digits = false, point = false;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (c == '-' && out.empty() && !digits) {
            out += c;
        } else if (c == '$' && !digits && !point) {
            continue;
        } else if (c == ' ' || (c == ',' && digits && !point)) {
            continue;
        } else if (IsDigit(c)) {
            digits = true;
            out += c;
        } else if (c == '.' && !point) {
            point = true;
            out += c;
        } else {
            return {};
        }
    }
    return digits ? out : std::string{};
}

// Digits from `p`, at most `most` of them and at least one; -1 otherwise.
int Number(std::string_view t, std::size_t& p, std::size_t most) {
    int n = 0;
    const std::size_t start = p;
    while (p < t.size() && IsDigit(t[p]) && p - start < most)
        n = n * 10 + (t[p++] - '0');
    return p == start ? -1 : n;
}

// "02/15/2024" or "2/5/2024" as "2024-02-15"; "" when it is no such date.
std::string IsoDate(std::string_view t) {
    std::size_t p = 0;
    const int month = Number(t, p, 2);
    if (month < 0 || p >= t.size() || t[p++] != '/') return {};
    const int day = Number(t, p, 2);
    if (day < 0 || p >= t.size() || t[p++] != '/') return {};
    const std::size_t year_start = p;
    const int year = Number(t, p, 4);
    if (year < 0 || p != t.size() || p - year_start != 4) return {};
    const auto two = [](int n) { return std::string{char('0' + n / 10), char('0' + n % 10)}; };
    return std::to_string(year) + "-" + two(month) + "-" + two(day);
}

// Text compared case-blind, runs of digits by their value ("A2" before "A10").
int CompareNatural(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            while (i < a.size() && a[i] == '0')
                ++i;
            while (j < b.size() && b[j] == '0')
                ++j;
            std::size_t ei = i, ej = j;
            while (ei < a.size() && IsDigit(a[ei]))
                ++ei;
            while (ej < b.size() && IsDigit(b[ej]))
                ++ej;
            if (ei - i != ej - j) return ei - i < ej - j ? -1 : 1;
            const int c = a.substr(i, ei - i).compare(b.substr(j, ej - j));
            if (c != 0) return c;
            i = ei;
            j = ej;
            continue;
        }
        const char x = Lower(a[i++]), y = Lower(b[j++]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (i < a.size()) return 1;
    return j < b.size() ? -1 : 0;
}

double NumberKey(std::string_view t) {
    t = reg::Trim(t);
    double v = NAN;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    return ec == std::errc{} && end == t.data() + t.size() ? v : NAN;
}

}  // namespace

std::string RegisterCaption(const RegisterWindowControls& c) {
    std::string name =
        c.file.empty() ? "Untitled" : std::filesystem::path(c.file).filename().string();
    if (c.modified) name += " *";
    return name + " - Orvane Asset Register";
}

std::string NormaliseCell(Column column, std::string_view text) {
    const std::string_view t = reg::Trim(text);
    if (IsAmount(column)) {
        std::string plain = PlainAmount(t);
        if (!plain.empty()) return plain;
    } else if (IsDate(column)) {
        std::string iso = IsoDate(t);
        if (!iso.empty()) return iso;
    }
    return std::string(t);
}

bool RowMatches(const std::vector<std::string>& fields, std::string_view needle) {
    if (needle.empty()) return true;
    for (const std::string& f : fields) {
        if (f.size() < needle.size()) continue;
        const auto at = std::search(f.begin(), f.end(), needle.begin(), needle.end(),
                                    [](char a, char b) { return Lower(a) == b; });
        if (at != f.end()) return true;
    }
    return false;
}

std::optional<Column> ColumnOfField(const reg::Book& book, int field) {
    const std::vector<int>& of = book.header().column_of_field;
    if (field < 0 || static_cast<std::size_t>(field) >= of.size() || of[field] < 0) return {};
    return static_cast<Column>(of[field]);
}

bool SortsAsNumber(const reg::Book& book, int field) {
    const std::optional<Column> c = ColumnOfField(book, field);
    return c && (IsAmount(*c) || *c == Column::Recovery || *c == Column::BusinessUse ||
                 *c == Column::PriorThrough);
}

std::vector<std::size_t> RowsShown(const reg::Book& book, std::string_view filter, int field,
                                   bool descending) {
    std::string needle(reg::Trim(filter));
    std::transform(needle.begin(), needle.end(), needle.begin(), Lower);
    std::vector<std::size_t> rows;
    rows.reserve(book.size());
    for (std::size_t r = 0; r < book.size(); ++r) {
        if (RowMatches(book.fields(r), needle)) rows.push_back(r);
    }
    if (field < 0 || static_cast<std::size_t>(field) >= book.names().size()) return rows;
    const auto f = static_cast<std::size_t>(field);
    const auto text = [&](std::size_t r) { return std::string_view(book.fields(r)[f]); };
    if (SortsAsNumber(book, field)) {
        // Numbers first in either direction, then the cells that are none, as text.
        std::vector<double> key(book.size(), NAN);
        for (std::size_t r : rows)
            key[r] = NumberKey(text(r));
        std::stable_sort(rows.begin(), rows.end(), [&](std::size_t a, std::size_t b) {
            const bool na = std::isnan(key[a]), nb = std::isnan(key[b]);
            if (na || nb) return na != nb ? nb : CompareNatural(text(a), text(b)) < 0;
            return descending ? key[a] > key[b] : key[a] < key[b];
        });
        return rows;
    }
    std::stable_sort(rows.begin(), rows.end(), [&](std::size_t a, std::size_t b) {
        const int c = CompareNatural(text(a), text(b));
        return descending ? c > 0 : c < 0;
    });
    return rows;
}

}  // namespace orvane
