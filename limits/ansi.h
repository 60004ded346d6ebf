#pragma once
// The limit files hold single-byte text in the Western (Windows-1252) code page; the program's
// own strings are UTF-8. These convert between the two.

#include <string>
#include <string_view>

namespace orvane {

// Every byte maps to one character; the five bytes the code page leaves unassigned map to the
// control characters of the same number, as Windows maps them.
std::string AnsiToUtf8(std::string_view ansi);
// Characters the code page lacks, and each broken UTF-8 sequence, become '?'.
std::string Utf8ToAnsi(std::string_view utf8);

}  // namespace orvane
