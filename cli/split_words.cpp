#include "cli/split_words.h"

namespace orvane::cli {

bool SplitWords(std::string_view line, std::vector<std::string>& words) {
    // The strings of `words` are written again from call to call: a batch splits one line after
    // another.
    std::size_t n = 0;
    bool in_word = false;
    auto word = [&]() -> std::string& {
        if (!in_word) {
            if (n == words.size()) words.emplace_back();
            words[n++].clear();
            in_word = true;
        }
        return words[n - 1];
    };
    auto special = [](char ch) {
        return ch == '\'' || ch == '"' || ch == '\\' || ch == ' ' || ch == '\t' || ch == '\r' ||
               ch == '\n';
    };
    for (std::size_t i = 0; i < line.size(); ++i) {
        char ch = line[i];
        if (ch == '\'') {
            auto end = line.find('\'', i + 1);
            if (end == std::string::npos) return false;
            word().append(line, i + 1, end - i - 1);
            i = end;
        } else if (ch == '"') {
            std::string& w = word();
            std::size_t j = i + 1;
            for (; j < line.size() && line[j] != '"'; ++j) {
                if (line[j] == '\\' && j + 1 < line.size() &&
                    (line[j + 1] == '"' || line[j + 1] == '\\' || line[j + 1] == '$' ||
                     line[j + 1] == '`')) {
                    ++j;
                }
                w += line[j];
            }
            if (j >= line.size()) return false;
            i = j;
        } else if (ch == '\\' && i + 1 < line.size()) {
            word() += line[++i];
        } else if (ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n') {
            in_word = false;
        } else {
            // A run of plain characters at once.
            std::size_t j = i + 1;
            while (j < line.size() && !special(line[j]))
                ++j;
            word().append(line, i, j - i);
            i = j - 1;
        }
    }
    words.resize(n);
    return true;
}

}  // namespace orvane::cli
