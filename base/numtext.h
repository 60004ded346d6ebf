#pragma once
// Number readings and formats shared by every window and the engine. All of them assume the
// United States regional settings: a point before the decimals and a comma between thousands.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Leading-number reading: the longest leading part of the text that reads as a decimal number
// (leading blanks skipped, a point as decimal separator). "" and "abc" read 0, "1.2.3" reads
// 1.2, "1,000" reads 1, "." reads 0.
double Val(std::string_view text);

// Full conversion: the whole text, blanks around it allowed, must be a number (thousands
// separators accepted). Anything else raises fault 13.
double CDbl(std::string_view text);
std::optional<double> TryCDbl(std::string_view text);

// Standard number-to-text conversion: plain decimal notation with up to 15 significant digits,
// no grouping and never an exponent (1e15 gives "1000000000000000", 3e-05 gives "0.00003").
std::string CStr(double value);
std::string CStr(long long value);
inline std::string CStr(int value) {
    return CStr(static_cast<long long>(value));
}

// Rounding to `decimals` places, halves to the even neighbour (27.5 -> 28, 28.5 -> 28). A value
// counts as a half when it reads as one to 15 significant digits.
double RoundEven(double value, int decimals = 0);
// The same with halves away from zero, as the display patterns round.
double RoundAway(double value, int decimals = 0);

// Conversion to a 16-bit whole number: rounded halves to even, fault 6 when out of range.
std::int16_t CInt(double value);
// Conversion to a 32-bit whole number, same rules.
std::int32_t CLng(double value);

// The display patterns.
enum class Pattern {
    Amount,    // "###,###.00 "        1,234.50 and a trailing blank; 0 shows ".00 "
    Currency,  // "$###,###,###,###.00" $1,234.50; 0 shows "$.00"
    Whole,     // "###,###,###,###"     1,235; 0 shows ""
};
std::string Format(double value, Pattern pattern);
// Room enough for any text of a display pattern (the largest double has 309 digits).
inline constexpr std::size_t kFormatRoom = 512;
// Writes the text of Format(value, pattern) at `out`, which has kFormatRoom characters of room,
// and returns its end: the same text without building a string.
char* FormatTo(char* out, double value, Pattern pattern);
// Formats a text with a display pattern: a text that reads as a number is formatted, any other
// text is returned unchanged.
std::string FormatText(std::string_view text, Pattern pattern);

// Removes blanks at both ends.
std::string_view Trim(std::string_view text);

}  // namespace orvane
