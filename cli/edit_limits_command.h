#pragma once
// orvane-cli edit-limits: runs the limit editor on one limit file with a list of actions a
// person would take in the window, and prints the window's state afterwards.
//
//   orvane-cli edit-limits --file AutoMax.DAT [--limits-dir DIR] [--json] ACTION...
//
// Its option table lists the actions: the buttons, typing over a box, and the answer to the
// questions that follow.

#include "cli/command.h"

namespace orvane::cli {

const Command& EditLimitsCommand();

}  // namespace orvane::cli
