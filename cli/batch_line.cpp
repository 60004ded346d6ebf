#include "cli/batch_line.h"

#include <cstring>

namespace orvane::cli {
namespace {

// Copies `text` between quotes: for the schedule's texts, which hold digits, commas, points,
// blanks and a minus only (the engine writes them), and so need no escaping. False when there
// is no room.
bool CopyPlain(char*& at, const char* end, std::string_view text) {
    if (text.size() + 2 > static_cast<std::size_t>(end - at)) return false;
    *at++ = '"';
    std::memcpy(at, text.data(), text.size());
    at += text.size();
    *at++ = '"';
    return true;
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    std::size_t plain = 0;
    while (plain < text.size() && text[plain] != '"' && text[plain] != '\\' &&
           static_cast<unsigned char>(text[plain]) >= 0x20) {
        ++plain;
    }
    out.append(text.substr(0, plain));
    static constexpr char kHex[] = "0123456789abcdef";
    for (char ch : text.substr(plain)) {
        auto u = static_cast<unsigned char>(ch);
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

void RowsJson::Row(std::string_view year, std::string_view depreciation,
                   std::string_view basis_left) {
    char row[192];
    char* at = row;
    const char* end = row + sizeof row;
    if (!text_.empty()) *at++ = ',';
    *at++ = '[';
    if (CopyPlain(at, end, year) && (*at++ = ',', CopyPlain(at, end, depreciation)) &&
        (*at++ = ',', CopyPlain(at, end, basis_left)) && at < end) {
        *at++ = ']';
        text_.append(row, static_cast<std::size_t>(at - row));
        return;
    }
    text_.append(row, row[0] == ',' ? 2 : 1);
    AppendJsonString(text_, year);
    text_ += ',';
    AppendJsonString(text_, depreciation);
    text_ += ',';
    AppendJsonString(text_, basis_left);
    text_ += ']';
}

void RowsJson::ReadGrid(const ScheduleGrid& g) {
    text_.clear();
    // The rows that have a year, in year order: down the first group of columns, then the next.
    for (int group = 0; group < 4; ++group) {
        const int col = 1 + 3 * group;
        for (int row = 1; row < ScheduleGrid::kRows; ++row) {
            if (!g.Text(row, col).empty())
                Row(g.Text(row, col), g.Text(row, col + 1), g.Text(row, col + 2));
        }
    }
}

void AppendBatchLine(const Control& status, const RowsJson& rows,
                     const fakes::ScriptedMessageBoxes& boxes, std::string& out) {
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

}  // namespace orvane::cli
