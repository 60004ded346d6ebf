#include "cli/batch_line.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include <nlohmann/json.hpp>

#include "controls/edit_buffer.h"

namespace orvane::cli {
namespace {

// Copies a short text the way a fixed-size copy is done, in two overlapping words, rather than
// by a library call: the schedule's texts are mostly 4 to 16 characters.
void CopyShort(char* to, const char* from, std::size_t n) {
    if (n >= 8 && n <= 16) {
        std::uint64_t head, tail;
        std::memcpy(&head, from, 8);
        std::memcpy(&tail, from + n - 8, 8);
        std::memcpy(to, &head, 8);
        std::memcpy(to + n - 8, &tail, 8);
    } else if (n >= 4 && n < 8) {
        std::uint32_t head, tail;
        std::memcpy(&head, from, 4);
        std::memcpy(&tail, from + n - 4, 4);
        std::memcpy(to, &head, 4);
        std::memcpy(to + n - 4, &tail, 4);
    } else {
        std::memcpy(to, from, n);
    }
}

}  // namespace

char* RowsJson::Grow(std::size_t more) {
    const std::size_t capacity = std::max(2 * capacity_, size_ + more + 1024);
    auto bigger = std::make_unique_for_overwrite<char[]>(capacity);
    if (size_ > 0) std::memcpy(bigger.get(), buffer_.get(), size_);
    buffer_ = std::move(bigger);
    capacity_ = capacity;
    return buffer_.get() + size_;
}

void RowsJson::Row(std::string_view year, std::string_view depreciation,
                   std::string_view basis_left) {
    // The schedule's texts hold digits, commas, points, blanks and a minus only (the engine
    // writes them, and nothing else writes into the sheet): they go between quotes as they are.
    char* const first = Room(year.size() + depreciation.size() + basis_left.size() + 11);
    char* at = first;
    if (size_ != 0) *at++ = ',';
    *at++ = '[';
    const auto put = [&at](std::string_view text, char after) {
        *at++ = '"';
        CopyShort(at, text.data(), text.size());
        at += text.size();
        *at++ = '"';
        *at++ = after;
    };
    put(year, ',');
    put(depreciation, ',');
    put(basis_left, ']');
    size_ += static_cast<std::size_t>(at - first);
}

void RowsJson::ReadGrid(const ScheduleGrid& g) {
    Clear();
    // The rows that have a year, in year order: down the first group of columns, then the next.
    for (int group = 0; group < 4; ++group) {
        const int col = 1 + 3 * group;
        for (int row = 1; row < ScheduleGrid::kRows; ++row) {
            if (!g.Text(row, col).empty())
                Row(g.Text(row, col), g.Text(row, col + 1), g.Text(row, col + 2));
        }
    }
}

void AppendBatchLine(const Control& status, const RowsJson& rows, const ScriptedMessageBoxes& boxes,
                     std::string& out) {
    out += R"({"status":{"text":)";
    AppendJsonString(out, status.caption);
    static constexpr char kHex[] = "0123456789abcdef";
    const Rgb c = status.fore;
    const char color[] = {',',
                          '"',
                          'c',
                          'o',
                          'l',
                          'o',
                          'r',
                          '"',
                          ':',
                          '"',
                          '#',
                          kHex[c.r >> 4],
                          kHex[c.r & 15],
                          kHex[c.g >> 4],
                          kHex[c.g & 15],
                          kHex[c.b >> 4],
                          kHex[c.b & 15],
                          '"',
                          '}'};
    out.append(color, sizeof color);
    out += R"(,"rows":[)";
    out += rows.text();
    out += R"(],"messages":[)";
    bool first = true;
    for (const auto& msg : boxes.shown) {
        out += first ? R"({"title":)" : R"(,{"title":)";
        first = false;
        AppendJsonString(out, msg.ShownTitle());
        out += R"(,"text":)";
        AppendJsonString(out, msg.text);
        out += '}';
    }
    out += "]}";
}

void AppendErrorLine(std::string& out, int number, std::string_view what) {
    using Json = nlohmann::ordered_json;
    out += Json{{"error", "line " + std::to_string(number) + ": " + std::string(what)}}.dump(
        -1, ' ', false, Json::error_handler_t::replace);
    out += '\n';
}

}  // namespace orvane::cli
