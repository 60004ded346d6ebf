#pragma once
// UTF-8, the encoding of every text of the program: characters counted, found, read and written.
// A broken sequence reads as one U+FFFD.

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane {

namespace utf8 {
// The number of characters of a text: every byte that does not continue a sequence starts one.
int Count(std::string_view text);
// The byte offset at which character `index` starts; the text's size from the last one on.
std::size_t Offset(std::string_view text, int index);
// The first `count` characters of a text (all of it when it is shorter).
inline std::string_view Head(std::string_view text, int count) {
    return text.substr(0, Offset(text, count));
}
// The characters of a text; a broken sequence reads as U+FFFD.
std::u32string Decode(std::string_view text);
// The character at byte `at` of a non-empty rest of a text, as Decode reads it; `at` moves past it.
char32_t Next(std::string_view text, std::size_t& at);
// One character; empty for a value that is no character (a surrogate, beyond U+10FFFF).
std::string Encode(char32_t ch);
// Encode(ch) written at the end of `out`.
void Append(std::string& out, char32_t ch);
}  // namespace utf8

}  // namespace orvane
