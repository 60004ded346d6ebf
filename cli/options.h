#pragma once
// The option tables of orvane-cli and its subcommands. One row per option gives its name, the
// name of its value, its help line, the values it takes and what it does; the usage text, the
// reading of the command line, the checks of the values and the dispatch all come from the rows.
//
// An option is a setting, applied while the command line is read, or an action, run afterwards
// in the order given. Each word of the command line is resolved to its row once: the actions
// that remain are row indexes with their values.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::cli {

// A wrong command line: the message says what is wrong, in the words of the functions below.
struct UsageError {
    std::string message;
};

[[noreturn]] void UnknownOption(std::string_view word);
[[noreturn]] void MissingValue(std::string_view option);
[[noreturn]] void UnwantedValue(std::string_view option);
// "option '--convention' takes half-year, mid-quarter or mid-month, not 'quarterly'"
[[noreturn]] void BadValue(std::string_view option, std::string_view takes, std::string_view value);
[[noreturn]] void MissingOption(std::string_view option);
[[noreturn]] void UnexpectedArgument(std::string_view word);
// "option '--print' is not available: this orvane-cli was built without printing"
[[noreturn]] void NotAvailable(std::string_view option, std::string_view why);

// "a, b or c"
std::string OneOf(std::span<const std::string_view> choices);

// A check of an option's value beyond its list of choices: returns normally when the value will
// do, throws UsageError (through BadValue) when it will not.
using ValueCheck = void (*)(std::string_view option, const std::string& value);
// The value names a folder: it is not empty.
void FolderName(std::string_view option, const std::string& value);

template <class Settings, class Actor>
struct Option {
    std::string_view name = {};   // as typed after "--"
    std::string_view value = {};  // the value's name in the usage text; empty, no choices: a flag
    std::string_view help = {};
    std::span<const std::string_view> choices = {};  // the values it takes; empty: any
    ValueCheck check = nullptr;
    // Exactly one of these: a setting applies while the command line is read, an action runs
    // afterwards, in order with the others.
    void (*setting)(Settings&, const std::string& value) = nullptr;
    void (*action)(Actor&, const std::string& value) = nullptr;

    bool flag() const { return value.empty() && choices.empty(); }
};

// An action of the command line: its row and its value (empty for a flag).
struct Given {
    std::size_t index;
    std::string value;
};

// The row of the option `name`, found while compiling.
template <class Row, std::size_t N>
constexpr std::size_t IndexOf(const Row (&rows)[N], std::string_view name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (rows[i].name == name) return i;
    }
    throw "no such option";
}

namespace detail {
// The row index of "--name", or -1. `word` is without its "--" and any "=value".
template <class Row>
std::ptrdiff_t Find(std::span<const Row> rows, std::string_view name) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].name == name) return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
}
void CheckChoice(std::string_view option, std::span<const std::string_view> choices,
                 const std::string& value);
}  // namespace detail

// Reads `args` ("--name VALUE", "--name=VALUE", "--flag"; "-h" is "--help"): applies the
// settings to `settings`, checks every value, and appends the actions to `actions`. Returns how
// many settings were given. Throws UsageError.
template <class Settings, class Actor>
int ReadOptions(std::span<const Option<Settings, Actor>> rows, std::span<const std::string> args,
                Settings& settings, std::vector<Given>& actions) {
    int settings_given = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view word = args[i];
        if (word == "-h") word = "--help";
        if (!word.starts_with("--")) UnexpectedArgument(word);
        std::string_view name = word.substr(2);
        const bool inline_value = name.find('=') != std::string_view::npos;
        if (inline_value) name = name.substr(0, name.find('='));
        const std::ptrdiff_t found = detail::Find(rows, name);
        if (found < 0) UnknownOption(word.substr(0, 2 + name.size()));
        const auto& row = rows[static_cast<std::size_t>(found)];
        std::string value;
        if (row.flag()) {
            if (inline_value) UnwantedValue(word.substr(0, 2 + name.size()));
        } else if (inline_value) {
            value = word.substr(name.size() + 3);
        } else {
            if (i + 1 >= args.size() || args[i + 1].starts_with("--")) MissingValue(word);
            value = args[++i];
        }
        if (!row.choices.empty() || row.check != nullptr) {
            const std::string option = "--" + std::string(row.name);
            if (!row.choices.empty()) detail::CheckChoice(option, row.choices, value);
            if (row.check != nullptr) row.check(option, value);
        }
        if (row.setting != nullptr) {
            row.setting(settings, value);
            ++settings_given;
        } else {
            actions.push_back({static_cast<std::size_t>(found), std::move(value)});
        }
    }
    return settings_given;
}

// An action of a batch line read in place: its row, its value's characters in the line and,
// for a row with a list of choices, the value's place in it.
struct GivenView {
    std::size_t index;
    std::string_view value;
    int choice = -1;
};

// Reads a batch line of the plain kind: actions only ("--name VALUE" and flags), each value one
// bare word or one word in single quotes, blanks between. On such a line the actions are what
// ReadOptions would give, in `actions` as views into `line`. False for any other line (double
// quotes, backslashes, "--name=VALUE", a setting, an option that is not in the table, a value
// that ReadOptions would refuse or check beyond its choices, a missing value): ReadOptions
// reads those and says what is wrong with them.
template <class Settings, class Actor>
bool ReadPlainActions(std::span<const Option<Settings, Actor>> rows, std::string_view line,
                      std::vector<GivenView>& actions) {
    actions.clear();
    // What each character is to the reader: 0 plain, 1 a blank between words, 2 a character
    // that a plain word does not hold.
    static constexpr auto kKind = [] {
        std::array<std::uint8_t, 256> kind{};
        for (unsigned char ch : {' ', '\t', '\r', '\n'})
            kind[ch] = 1;
        for (unsigned char ch : {'\'', '"', '\\', '='})
            kind[ch] = 2;
        return kind;
    }();
    const auto kind = [&](std::size_t at) { return kKind[static_cast<unsigned char>(line[at])]; };
    std::size_t p = 0;
    // The next word, or false at the end of the line or on one that is not plain.
    const auto next = [&](std::string_view& word, bool& end) {
        while (p < line.size() && kind(p) == 1)
            ++p;
        end = p == line.size();
        if (end) return false;
        const std::size_t start = p;
        if (line[p] == '\'') {
            const std::size_t close = line.find('\'', p + 1);
            if (close == std::string_view::npos) return false;
            p = close + 1;
            if (p < line.size() && kind(p) != 1) return false;
            word = line.substr(start + 1, close - start - 1);
            return word.find_first_of("\"\\") == std::string_view::npos;
        }
        while (p < line.size() && kind(p) == 0)
            ++p;
        if (p < line.size() && kind(p) == 2) return false;
        word = line.substr(start, p - start);
        return true;
    };
    for (;;) {
        std::string_view word;
        bool end = false;
        if (!next(word, end)) return end;
        if (word.size() < 3 || word[0] != '-' || word[1] != '-') return false;
        const std::string_view name = word.substr(2);
        std::size_t found = rows.size();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::string_view n = rows[i].name;
            if (n.size() == name.size() && n[0] == name[0] && n == name) {
                found = i;
                break;
            }
        }
        if (found == rows.size()) return false;
        const auto& row = rows[found];
        if (row.setting != nullptr || row.check != nullptr) return false;
        std::string_view value;
        int choice = -1;
        if (!row.flag()) {
            if (!next(value, end) || value.starts_with("--")) return false;
            if (!row.choices.empty()) {
                const auto at = std::find(row.choices.begin(), row.choices.end(), value);
                if (at == row.choices.end()) return false;
                choice = static_cast<int>(at - row.choices.begin());
            }
        }
        actions.push_back({found, value, choice});
    }
}

// An option as the usage text and the manual page show it.
struct OptionHelp {
    std::string_view name = {};
    std::string_view value = {};
    std::span<const std::string_view> choices = {};
    std::string_view help = {};
};

template <class Settings, class Actor>
std::vector<OptionHelp> HelpOf(std::span<const Option<Settings, Actor>> rows) {
    std::vector<OptionHelp> out;
    out.reserve(rows.size());
    for (const auto& row : rows)
        out.push_back({row.name, row.value, row.choices, row.help});
    return out;
}

// The usage lines of the options, one a row: "  --name VALUE   help".
std::string OptionLines(std::span<const OptionHelp> options);

template <class Settings, class Actor>
std::string OptionLines(std::span<const Option<Settings, Actor>> rows) {
    return OptionLines(HelpOf(rows));
}

}  // namespace orvane::cli
