#include "base/utf8.h"

namespace orvane {

namespace {
bool Continues(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}
}  // namespace

int utf8::Count(std::string_view text) {
    if (text.empty()) return 0;
    int n = 1;
    for (std::size_t i = 1; i < text.size(); ++i)
        n += Continues(text[i]) ? 0 : 1;
    return n;
}

std::size_t utf8::Offset(std::string_view text, int index) {
    std::size_t i = 0;
    for (int k = 0; k < index && i < text.size(); ++k) {
        ++i;
        while (i < text.size() && Continues(text[i]))
            ++i;
    }
    return i;
}

char32_t utf8::Next(std::string_view text, std::size_t& at) {
    const std::size_t i = at;
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
        at = i + 1;
        return lead;
    }
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    char32_t ch = extra == 1 ? lead & 0x1F : extra == 2 ? lead & 0x0F : lead & 0x07;
    std::size_t end = i + 1;
    bool ok = extra >= 0 && lead < 0xF8 && i + static_cast<std::size_t>(extra) < text.size();
    for (int k = 0; ok && k < extra; ++k, ++end) {
        ok = Continues(text[end]);
        ch = (ch << 6) | (static_cast<unsigned char>(text[end]) & 0x3F);
    }
    static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    if (ok && (ch < kLeast[extra] || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))) ok = false;
    if (!ok) {
        at = i + 1;
        while (at < text.size() && Continues(text[at]))
            ++at;
        return U'\uFFFD';
    }
    at = end;
    return ch;
}

std::u32string utf8::Decode(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();)
        out += Next(text, at);
    return out;
}

void utf8::Append(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        if (ch >= 0xD800 && ch <= 0xDFFF) return;
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch <= 0x10FFFF) {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

std::string utf8::Encode(char32_t ch) {
    std::string out;
    Append(out, ch);
    return out;
}

}  // namespace orvane
