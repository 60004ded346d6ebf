#pragma once
// The command-line tool's editor mode: runs the limit editor on one limit file with a list of
// actions a person would take in the window, and prints the window's state afterwards.
//
//   orvane-cli edit-limits --file AutoMax.DAT [--limits-dir DIR] [--json] ACTION...
//
// Its option table lists the actions: the buttons, typing over a box, and the answer to the
// questions that follow.

#include <ostream>
#include <string>
#include <vector>

namespace orvane::cli {

// `args` are the arguments after "edit-limits". Returns the exit status: 0 after running, 2 for
// a wrong command line (one line on `err`).
int RunEditLimitsCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orvane::cli
