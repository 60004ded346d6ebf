#include "cli/options.h"

namespace orvane::cli {

namespace {
std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}
}  // namespace

void UnknownOption(std::string_view word) {
    throw UsageError{"unknown option " + Quoted(word)};
}

void MissingValue(std::string_view option) {
    throw UsageError{"option " + Quoted(option) + " needs a value"};
}

void UnwantedValue(std::string_view option) {
    throw UsageError{"option " + Quoted(option) + " takes no value"};
}

void BadValue(std::string_view option, std::string_view takes, std::string_view value) {
    throw UsageError{"option " + Quoted(option) + " takes " + std::string(takes) + ", not " +
                     Quoted(value)};
}

void MissingOption(std::string_view option) {
    throw UsageError{"option " + Quoted(option) + " is required"};
}

void UnexpectedArgument(std::string_view word) {
    throw UsageError{"unexpected argument " + Quoted(word)};
}

void NotAvailable(std::string_view option, std::string_view why) {
    throw UsageError{"option " + Quoted(option) + " is not available: " + std::string(why)};
}

std::string OneOf(std::span<const std::string_view> choices) {
    std::string out;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (i > 0) out += i + 1 == choices.size() ? " or " : ", ";
        out += choices[i];
    }
    return out;
}

void FolderName(std::string_view option, const std::string& value) {
    if (value.empty()) BadValue(option, "a folder name", value);
}

std::string OptionLines(std::span<const OptionHelp> options) {
    constexpr std::size_t kColumn = 28;
    std::string out;
    for (const OptionHelp& option : options) {
        std::string left = "  --";
        left += option.name;
        if (!option.choices.empty()) {
            for (std::size_t k = 0; k < option.choices.size(); ++k) {
                left += k == 0 ? ' ' : '|';
                left += option.choices[k];
            }
        } else if (!option.value.empty()) {
            left += ' ';
            left += option.value;
        }
        if (left.size() + 1 < kColumn) {
            left.append(kColumn - left.size(), ' ');
        } else {
            left += '\n';
            left.append(kColumn, ' ');
        }
        out += left;
        out += option.help;
        out += '\n';
    }
    return out;
}

void detail::CheckChoice(std::string_view option, std::span<const std::string_view> choices,
                         const std::string& value) {
    for (std::string_view c : choices) {
        if (c == value) return;
    }
    BadValue(option, OneOf(choices), value);
}

}  // namespace orvane::cli
