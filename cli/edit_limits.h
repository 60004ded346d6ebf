#pragma once
// The command-line tool's editor mode: runs the limit editor on one limit file with a list of
// actions a person would take in the window, and prints the window's state afterwards.
//
//   orvane-cli edit-limits --file AutoMax.DAT [--limits-dir DIR] [--json] ACTION...
//
// Actions run in order: --next, --previous, --add, --delete, --save, --close (the buttons),
// --set FIELD=TEXT (click into the box, select its text and type TEXT key by key; an empty TEXT
// is removed with the Delete key), --answer yes|no|cancel (the answer to the questions that
// follow; yes until given).

#include <ostream>
#include <string>
#include <vector>

namespace orvane {

// `args` are the arguments after "edit-limits". Returns the exit status: 0 after running, 2 for
// a wrong command line (one line on `err`).
int RunEditLimitsCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orvane
