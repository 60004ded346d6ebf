#pragma once
// The limit files hold single-byte text in the Western (Windows-1252) code page; the program's
// own strings are UTF-8. These convert between the two.

#include <string>
#include <string_view>

namespace orvane {

// Every byte maps to one character; the five bytes the code page leaves unassigned map to the
// control characters of the same number, as Windows maps them.
std::string AnsiToUtf8(std::string_view ansi);
// Characters the code page lacks, and broken UTF-8, become '?'.
std::string Utf8ToAnsi(std::string_view utf8);

// UTF-8 <-> code points; broken sequences read as U+FFFD.
std::u32string Utf8ToCodePoints(std::string_view utf8);
std::string CodePointsToUtf8(std::u32string_view text);
// Number of characters (code points) of a UTF-8 text.
int CharCount(std::string_view utf8);

}  // namespace orvane
