#pragma once
// Texts written into JSON.

#include <string>
#include <string_view>

namespace orvane {

// `text` as a JSON string, quotes included: quotes, backslashes and control characters escaped,
// a character beyond ASCII as it is, bytes that are no UTF-8 as U+FFFD.
void AppendJsonString(std::string& out, std::string_view text);

}  // namespace orvane
