#pragma once
// orvane-cli's manual page, written at build time from the usage blocks of the commands (the
// same option tables that --help prints) by the program packaging/man/orvane-cli-manual.

#include <span>
#include <string>
#include <string_view>

#include "cli/command.h"

namespace orvane::cli {

// The manual page in roff (man(7)): the synopsis of each command; the default command's prose
// as the description and its options; each other command with its own; then the exit status,
// files, environment and examples. `date` and `version` go into the page's title line.
std::string ManualPage(std::span<const Command* const> commands, std::string_view version,
                       std::string_view date);

// A line of text as roff: backslashes kept, a leading period or quote made literal, and a
// hyphen that starts a word (an option's "--") written as a minus sign.
std::string RoffText(std::string_view line);

}  // namespace orvane::cli
