#include "engine/edit_buffer.h"

#include <algorithm>

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

std::string utf8::Encode(char32_t ch) {
    std::string out;
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        if (ch >= 0xD800 && ch <= 0xDFFF) return out;
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch <= 0x10FFFF) {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
    return out;
}

// ------------------------------------------------------------------ EditBuffer

int EditBuffer::Clamp() {
    const int length = Length();
    box_.sel_start = std::clamp(box_.sel_start, 0, length);
    box_.sel_length = std::clamp(box_.sel_length, 0, length - box_.sel_start);
    return length;
}

void EditBuffer::Select(int start, int length) {
    box_.sel_start = start;
    box_.sel_length = length;
    Clamp();
}

void EditBuffer::Erase(int start, int length) {
    const std::size_t from = utf8::Offset(box_.text, start);
    box_.text.erase(from, utf8::Offset(box_.text, start + length) - from);
}

bool EditBuffer::Insert(std::string_view text) {
    const int length = Clamp();
    const int incoming = utf8::Count(text);
    int room = max_length_ > 0 ? max_length_ - (length - box_.sel_length) : incoming;
    if (room <= 0 && incoming > 0) return false;  // the length limit refuses it
    room = std::max(room, 0);
    if (incoming > room) text = text.substr(0, utf8::Offset(text, room));
    const std::size_t from = utf8::Offset(box_.text, box_.sel_start);
    const std::size_t selected =
        utf8::Offset(std::string_view(box_.text).substr(from), box_.sel_length);
    box_.text.replace(from, selected, text);
    box_.sel_start += std::min(incoming, room);
    box_.sel_length = 0;
    return true;
}

bool EditBuffer::Type(char32_t ch) {
    // A single-line box takes no control characters.
    if (ch < 0x20 || ch == 0x7F) return false;
    if (ch < 0x80) {
        const char byte = static_cast<char>(ch);
        return Insert(std::string_view(&byte, 1));
    }
    const std::string encoded = utf8::Encode(ch);
    if (encoded.empty()) return false;
    return Insert(encoded);
}

void EditBuffer::Backspace() {
    Clamp();
    if (box_.sel_length > 0) {
        Erase(box_.sel_start, box_.sel_length);
    } else if (box_.sel_start > 0) {
        Erase(--box_.sel_start, 1);
    }
    box_.sel_length = 0;
}

void EditBuffer::Delete() {
    const int length = Clamp();
    if (box_.sel_length > 0) {
        Erase(box_.sel_start, box_.sel_length);
    } else if (box_.sel_start < length) {
        Erase(box_.sel_start, 1);
    }
    box_.sel_length = 0;
}

void EditBuffer::Left() {
    Clamp();
    box_.sel_start = std::max(0, box_.sel_start - 1);
    box_.sel_length = 0;
}

void EditBuffer::Right() {
    const int length = Clamp();
    box_.sel_start = std::min(length, box_.sel_start + box_.sel_length + 1);
    box_.sel_length = 0;
}

void EditBuffer::Home() {
    box_.sel_start = 0;
    box_.sel_length = 0;
}

void EditBuffer::End() {
    box_.sel_start = Length();
    box_.sel_length = 0;
}

// ------------------------------------------------------------------ MaskedMonthBuffer

MaskedMonthBuffer::MaskedMonthBuffer(Control& box) : EditBuffer(box, 7) {}

void MaskedMonthBuffer::Blank(int start, int end) {
    for (int p = start; p < end && p < static_cast<int>(box_.text.size()); ++p) {
        if (IsPlace(p)) box_.text[static_cast<std::size_t>(p)] = '_';
    }
}

bool MaskedMonthBuffer::Type(char32_t ch) {
    Clamp();
    if (ch == U'/') {
        if (box_.sel_start == 2) box_.sel_start = 3;
        return true;
    }
    if (ch < U'0' || ch > U'9') return false;
    if (box_.sel_length > 0) {
        Blank(box_.sel_start, box_.sel_start + box_.sel_length);
        box_.sel_length = 0;
    }
    const int p = box_.sel_start == 2 ? 3 : box_.sel_start;
    if (!IsPlace(p) || p >= static_cast<int>(box_.text.size())) return false;
    box_.text[static_cast<std::size_t>(p)] = static_cast<char>(ch);
    box_.sel_start = p + 1;
    return true;
}

void MaskedMonthBuffer::Backspace() {
    Clamp();
    if (box_.sel_length > 0) {
        Blank(box_.sel_start, box_.sel_start + box_.sel_length);
    } else {
        int q = box_.sel_start - 1;
        if (q == 2) --q;
        if (q >= 0) {
            Blank(q, q + 1);
            box_.sel_start = q;
        }
    }
    box_.sel_length = 0;
}

void MaskedMonthBuffer::Delete() {
    Clamp();
    const int end = box_.sel_length > 0 ? box_.sel_start + box_.sel_length : box_.sel_start + 1;
    Blank(box_.sel_start, end);
    box_.sel_length = 0;
}

}  // namespace orvane
