#include "base/numtext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/fault.h"

namespace orvane {
namespace {

// The powers of ten that a double holds exactly, 10^0 to 10^15.
constexpr double kPowers[] = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Parses [sign] digits [. digits] [exponent] from a buffer already stripped of separators;
// sets `overflow` for a number beyond the range of a double.
double ParseClean(const char* first, const char* last, bool& overflow) {
    overflow = false;
    double v = 0;
    const char* p = first;
    bool negative = false;
    if (p != last && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    if (last - p <= 16) {
        // Up to 15 digits with or without decimals, the usual case: the digits make a whole
        // number below 2^53, exact as a double, and one division by an exact power of ten
        // rounds it correctly, as the general parser would.
        long long whole = 0;
        int digits = 0, decimals = -1;
        const char* q = p;
        for (; q != last; ++q) {
            if (IsDigit(*q)) {
                whole = whole * 10 + (*q - '0');
                ++digits;
                if (decimals >= 0) ++decimals;
            } else if (*q == '.' && decimals < 0) {
                decimals = 0;
            } else {
                break;
            }
        }
        if (q == last && digits > 0 && digits <= 15) {
            double v = static_cast<double>(whole);
            if (decimals > 0) v /= kPowers[decimals];
            return negative ? -v : v;
        }
    }
    auto [end, ec] = std::from_chars(p, last, v, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Too small reads 0; too large does not fit.
        std::string copy(p, last);
        overflow = std::isinf(std::strtod(copy.c_str(), nullptr));
        return 0;
    }
    if (ec != std::errc() || end != last) return 0;
    return negative ? -v : v;
}

// Length of an exponent part "e[+-]digits" at p, or 0 when there is none.
std::size_t ExponentLength(std::string_view s, std::size_t p) {
    if (p >= s.size()) return 0;
    char c = s[p];
    if (c != 'e' && c != 'E' && c != 'd' && c != 'D') return 0;
    std::size_t q = p + 1;
    if (q < s.size() && (s[q] == '+' || s[q] == '-')) ++q;
    std::size_t digits = q;
    while (digits < s.size() && IsDigit(s[digits]))
        ++digits;
    return digits > q ? digits - p : 0;
}

// Copies a number's characters into buf, turning a 'd' exponent into 'e'.
std::size_t CopyNumber(std::string_view s, char* buf, std::size_t cap) {
    std::size_t n = 0;
    for (char c : s) {
        if (n + 1 >= cap) break;
        buf[n++] = (c == 'd' || c == 'D') ? 'e' : c;
    }
    return n;
}

// 15 significant digits of |value| and the power of ten of the first one.
struct Decimal {
    std::array<char, 16> digits{};
    int exponent = 0;
};

Decimal ToDecimal(double value) {
    char buf[40];
    auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    Decimal d;
    int n = 0;
    const char* p = buf;
    for (; p != res.ptr && *p != 'e'; ++p) {
        if (IsDigit(*p)) d.digits[n++] = *p;
    }
    if (p != res.ptr) {
        ++p;  // past the 'e'
        if (p != res.ptr && *p == '+') ++p;
        std::from_chars(p, res.ptr, d.exponent);
    }
    return d;
}

// The whole number nearest to `scaled` (below 1e15 in size), given its whole part and the size
// of its fraction, which is not a half: std::round without the library call.
double Nearest(double scaled, double whole, double frac) {
    return frac > 0.5 ? whole + std::copysign(1.0, scaled) : whole;
}

// Rounds at `decimals` places; `even` chooses the rule for an exact half.
double RoundDecimal(double value, int decimals, bool even) {
    double scale = decimals >= 0 && decimals <= 15 ? kPowers[decimals] : std::pow(10.0, decimals);
    double scaled = value * scale;
    // Not a number, infinite or too large to have decimals left: as it is.
    if (!(std::fabs(scaled) < 1e15)) return value;
    double whole = static_cast<double>(static_cast<long long>(scaled));
    double frac = std::fabs(scaled - whole);
    if (std::fabs(frac - 0.5) > 1e-6) return Nearest(scaled, whole, frac) / scale;
    if (decimals == 0 && frac == 0.5 && std::fabs(whole) < 1e14) {
        // A whole number and a half exactly, which reads as one in 15 digits.
        const bool up = !even || std::fmod(whole, 2.0) != 0;
        return up ? whole + std::copysign(1.0, value) : whole;
    }
    // Near a half: decide on the decimal digits the user would read.
    Decimal d = ToDecimal(value);
    int keep = d.exponent + 1 + decimals;  // digits kept before the rounding position
    if (keep < 0) return value < 0 ? -0.0 : 0.0;
    bool half = keep < 15 && d.digits[keep] == '5';
    for (int i = keep + 1; half && i < 15; ++i)
        half = d.digits[i] == '0';
    if (!half) return std::round(scaled) / scale;
    // The kept magnitude, a whole number, exactly from the digits.
    long long kept = 0;
    for (int i = 0; i < keep; ++i)
        kept = kept * 10 + (d.digits[i] - '0');
    bool up = even ? (kept % 2 != 0) : true;
    double magnitude = (static_cast<double>(kept) + (up ? 1 : 0)) / scale;
    return value < 0 ? -magnitude : magnitude;
}

// The three digits of every number below 1000, "000" to "999".
constexpr std::array<char, 3000> kTriples = [] {
    std::array<char, 3000> t{};
    for (int i = 0; i < 1000; ++i) {
        t[3 * i] = static_cast<char>('0' + i / 100);
        t[3 * i + 1] = static_cast<char>('0' + i / 10 % 10);
        t[3 * i + 2] = static_cast<char>('0' + i % 10);
    }
    return t;
}();

// Writes n (above 0) with commas between thousands at `out`, which has room for three
// characters past the text; returns the end. A group of three digits at a time: the leading
// group first (three characters from the table, the end of them written over), then the others
// from the last back.
char* Grouped(unsigned long long n, char* out) {
    int groups = 0;
    unsigned long long lead = n;
    while (lead >= 1000) {
        lead /= 1000;
        ++groups;
    }
    const int lead_digits = lead >= 100 ? 3 : lead >= 10 ? 2 : 1;
    std::memcpy(out, &kTriples[3 * static_cast<std::size_t>(lead) + 3 - lead_digits], 3);
    char* const end = out + lead_digits + 4 * groups;
    char* p = end;
    for (; groups > 0; --groups) {
        const auto triple = static_cast<std::size_t>(n % 1000);
        n /= 1000;
        p -= 4;
        p[0] = ',';
        std::memcpy(p + 1, &kTriples[3 * triple], 3);
    }
    return end;
}

}  // namespace

std::string_view Trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

double Val(std::string_view s) {
    std::size_t p = 0;
    while (p < s.size() && (s[p] == ' ' || s[p] == '\t'))
        ++p;
    std::size_t start = p;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) ++p;
    std::size_t digits_start = p;
    long long whole = 0;
    while (p < s.size() && IsDigit(s[p])) {
        // Beyond 15 digits the general reading below takes over.
        if (p - digits_start < 15) whole = whole * 10 + (s[p] - '0');
        ++p;
    }
    std::size_t int_digits = p - digits_start;
    if (int_digits > 0 && int_digits <= 15 &&
        (p == s.size() || (s[p] != '.' && ExponentLength(s, p) == 0))) {
        // Whole digits and nothing that continues the number: exact as they are.
        const double v = static_cast<double>(whole);
        return s[start] == '-' ? -v : v;
    }
    std::size_t frac_digits = 0;
    if (p < s.size() && s[p] == '.') {
        std::size_t q = p + 1;
        while (q < s.size() && IsDigit(s[q]))
            ++q;
        frac_digits = q - p - 1;
        if (int_digits + frac_digits > 0) p = q;
    }
    if (int_digits + frac_digits == 0) return 0;
    const std::size_t exponent = ExponentLength(s, p);
    bool overflow = false;
    double v = 0;
    if (exponent == 0) {
        v = ParseClean(s.data() + start, s.data() + p, overflow);
    } else {
        p += exponent;
        char buf[128];
        std::size_t n = CopyNumber(s.substr(start, p - start), buf, sizeof buf);
        v = ParseClean(buf, buf + n, overflow);
    }
    if (overflow) Raise(fault::kOverflow);
    return v;
}

namespace {

enum class Reading { Number, NotANumber, TooLarge };

Reading ReadWhole(std::string_view text, double& value) {
    std::string_view s = Trim(text);
    if (!s.empty() && s.size() <= 15) {
        // Plain digits, the usual case.
        long long whole = 0;
        std::size_t p = 0;
        while (p < s.size() && IsDigit(s[p]))
            whole = whole * 10 + (s[p++] - '0');
        if (p == s.size()) {
            value = static_cast<double>(whole);
            return Reading::Number;
        }
    }
    char buf[128];
    std::size_t n = 0;
    std::size_t p = 0;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) buf[n++] = s[p++];
    std::size_t digits = 0;
    bool seen_point = false;
    for (; p < s.size(); ++p) {
        char c = s[p];
        if (IsDigit(c)) {
            ++digits;
        } else if (c == ',' && !seen_point && digits > 0) {
            continue;  // thousands separator
        } else if (c == '.' && !seen_point) {
            seen_point = true;
        } else {
            break;
        }
        if (n + 1 >= sizeof buf) return Reading::NotANumber;
        buf[n++] = c;
    }
    if (digits == 0) return Reading::NotANumber;
    std::size_t e = ExponentLength(s, p);
    if (p + e != s.size()) return Reading::NotANumber;
    n += CopyNumber(s.substr(p, e), buf + n, sizeof buf - n);
    bool overflow = false;
    value = ParseClean(buf, buf + n, overflow);
    return overflow ? Reading::TooLarge : Reading::Number;
}

}  // namespace

std::optional<double> TryCDbl(std::string_view text) {
    double v = 0;
    if (ReadWhole(text, v) != Reading::Number) return std::nullopt;
    return v;
}

double CDbl(std::string_view text) {
    double v = 0;
    switch (ReadWhole(text, v)) {
        case Reading::Number:
            return v;
        case Reading::TooLarge:
            Raise(fault::kOverflow);
        default:
            Raise(fault::kTypeMismatch);
    }
}

std::string CStr(long long value) {
    return std::to_string(value);
}

std::string CStr(double value) {
    if (value == 0) return "0";
    char buf[40];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    const char* e = std::find(buf, res.ptr, 'e');
    if (e == res.ptr) return std::string(buf, res.ptr);
    // 15 significant digits and a power of ten: write them out in plain decimal notation.
    int exponent = 0;
    std::from_chars(e[1] == '+' ? e + 2 : e + 1, res.ptr, exponent);
    std::string digits;
    for (const char* p = buf; p != e; ++p) {
        if (IsDigit(*p)) digits += *p;
    }
    std::string s = value < 0 ? "-" : "";
    int point = exponent + 1;  // digits before the decimal point
    if (point <= 0) {
        s += "0.";
        s.append(static_cast<std::size_t>(-point), '0');
        s += digits;
    } else if (point >= static_cast<int>(digits.size())) {
        s += digits;
        s.append(static_cast<std::size_t>(point) - digits.size(), '0');
    } else {
        s += digits.substr(0, static_cast<std::size_t>(point));
        s += '.';
        s += digits.substr(static_cast<std::size_t>(point));
    }
    return s;
}

double RoundEven(double value, int decimals) {
    return RoundDecimal(value, decimals, true);
}
double RoundAway(double value, int decimals) {
    return RoundDecimal(value, decimals, false);
}

std::int16_t CInt(double value) {
    double r = RoundEven(value);
    if (!(r >= -32768.0 && r <= 32767.0)) Raise(fault::kOverflow);
    return static_cast<std::int16_t>(r);
}

std::int32_t CLng(double value) {
    double r = RoundEven(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) Raise(fault::kOverflow);
    return static_cast<std::int32_t>(r);
}

char* FormatTo(char* p, double value, Pattern pattern) {
    const int decimals = pattern == Pattern::Whole ? 0 : 2;
    const double scale = decimals ? 100 : 1;
    const double scaled = std::fabs(value) * scale;
    // Away from a half the rounding is the nearest whole number of units; at a half the
    // decimal digits decide.
    unsigned long long units = 0;
    bool negative = false;
    bool huge = false;
    double magnitude = 0;
    // Below 1e15 (not a NaN) the whole part converts exactly.
    const long long whole = scaled < 1e15 ? static_cast<long long>(scaled) : 0;
    const double frac = scaled - static_cast<double>(whole);
    if (scaled < 1e15 && std::fabs(frac - 0.5) > 1e-6) {
        units = static_cast<unsigned long long>(whole) + (frac > 0.5 ? 1 : 0);
        negative = value < 0 && units > 0;
    } else {
        const double r = RoundAway(value, decimals);
        magnitude = std::fabs(r);
        huge = !(magnitude < 1e15);
        if (!huge) units = static_cast<unsigned long long>(std::llround(magnitude * scale));
        negative = r < 0 && (huge || units > 0);
    }
    if (negative) *p++ = '-';
    if (pattern == Pattern::Currency) *p++ = '$';
    if (!huge) {
        const unsigned long long whole_units = decimals ? units / 100 : units;
        if (whole_units > 0) p = Grouped(whole_units, p);
        if (decimals) {
            const auto cents = static_cast<std::size_t>(units % 100);
            *p++ = '.';
            std::memcpy(p, &kTriples[3 * cents + 1], 2);
            p += 2;
        }
    } else {
        char digits[400];
        int len = std::snprintf(digits, sizeof digits, "%.0f", std::trunc(magnitude));
        for (int i = 0; i < len; ++i) {
            if (i != 0 && (len - i) % 3 == 0) *p++ = ',';
            *p++ = digits[i];
        }
        if (decimals) p = std::copy_n(".00", 3, p);
    }
    if (pattern == Pattern::Amount) *p++ = ' ';
    return p;
}

std::string Format(double value, Pattern pattern) {
    char buf[kFormatRoom];
    return std::string(buf, FormatTo(buf, value, pattern));
}

std::string FormatText(std::string_view text, Pattern pattern) {
    if (auto v = TryCDbl(text)) return Format(*v, pattern);
    return std::string(text);
}

}  // namespace orvane
