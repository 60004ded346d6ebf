#pragma once
// The registry of orvane-cli's commands and the one place where a command line is run: the
// first word picks a command by its name (none: the scripted main window), and whatever the
// command throws becomes one line on the error output and an exit status.
//
//   a wrong command line (UsageError)   "orvane-cli: unknown option '--x'"  exit 2
//                                       ("orvane-cli edit-limits: ..." for that command)
//   a fault no error trap caught        "orvane-cli: DESCRIPTION (fault N)" exit 1
//   out of memory                       "orvane-cli: out of memory"         exit 1
//   any other exception                 "orvane-cli: WHAT"                  exit 1

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

#include "cli/command.h"

namespace orvane::cli {

// The commands, the default one first.
std::span<const Command* const> Commands();

// Runs the command line (args without the program name); returns the exit status.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const BatchTuning& tuning = {});

// Runs one command, turning what it throws into its message and exit status (above).
int RunCommand(const Command& command, const CommandLine& line);

}  // namespace orvane::cli
