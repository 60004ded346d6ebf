#pragma once
// A batch line split into words.

#include <string>
#include <string_view>
#include <vector>

namespace orvane::cli {

// Splits one line into words the way a shell does with quotes and backslashes (no expansion).
// Returns false on an unterminated quote.
bool SplitWords(std::string_view line, std::vector<std::string>& words);

}  // namespace orvane::cli
