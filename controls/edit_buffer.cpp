#include "controls/edit_buffer.h"

#include <algorithm>

namespace orvane {

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
