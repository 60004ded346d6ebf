#pragma once
// orvane-cli with no command word: a scripted user of the main window. Each option is one user
// action, applied in order by the handlers the window uses; the window's state is printed at
// the end. `--batch FILE` runs the batch (cli/batch_run.h) with the same settings.

#include "cli/command.h"

namespace orvane::cli {

const Command& WindowCommand();

}  // namespace orvane::cli
