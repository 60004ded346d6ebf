#pragma once
// The option tables of orvane-cli and its subcommands. One row per option gives its name, the
// name of its value, its help line, the values it takes and what it does; the usage text, the
// reading of the command line, the checks of the values and the dispatch all come from the rows.
//
// An option is a setting, applied while the command line is read, or an action, run afterwards
// in the order given. Each word of the command line is resolved to its row once: the actions
// that remain are row indexes with their values.

#include <cstddef>
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

// The usage lines of the options, one a row: "  --name VALUE   help".
template <class Settings, class Actor>
std::string OptionLines(std::span<const Option<Settings, Actor>> rows) {
    std::string out;
    for (const auto& row : rows) {
        std::string left = "  --" + std::string(row.name);
        if (!row.choices.empty()) {
            left += ' ';
            for (std::size_t k = 0; k < row.choices.size(); ++k)
                left += (k ? "|" : "") + std::string(row.choices[k]);
        } else if (!row.value.empty()) {
            left += " " + std::string(row.value);
        }
        constexpr std::size_t kColumn = 28;
        left += left.size() + 1 < kColumn ? std::string(kColumn - left.size(), ' ')
                                          : "\n" + std::string(kColumn, ' ');
        out += left + std::string(row.help) + "\n";
    }
    return out;
}

}  // namespace orvane::cli
