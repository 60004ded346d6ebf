#include "base/json_text.h"

#include "base/utf8.h"

namespace orvane {

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    // Most texts are plain ASCII from end to end: copied in one piece.
    std::size_t plain = 0;
    while (plain < text.size() && text[plain] != '"' && text[plain] != '\\' &&
           static_cast<unsigned char>(text[plain]) >= 0x20 &&
           static_cast<unsigned char>(text[plain]) < 0x80) {
        ++plain;
    }
    out.append(text.substr(0, plain));
    static constexpr char kHex[] = "0123456789abcdef";
    for (std::size_t at = plain; at < text.size();) {
        const char ch = text[at];
        const auto u = static_cast<unsigned char>(ch);
        if (u >= 0x80) {
            const std::size_t from = at;
            const char32_t read = utf8::Next(text, at);
            const bool kept = read != U'\uFFFD' || text.substr(from, at - from) == "\uFFFD";
            out.append(kept ? text.substr(from, at - from) : std::string_view("\uFFFD"));
            continue;
        }
        ++at;
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (u < 0x20) {
            const char escaped[] = {'\\', 'u', '0', '0', kHex[u >> 4], kHex[u & 15]};
            out.append(escaped, sizeof escaped);
        } else {
            out += ch;
        }
    }
    out += '"';
}

}  // namespace orvane
