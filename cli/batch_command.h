#pragma once
// orvane-cli batch --file FILE: many assets, one a line of FILE (cli/batch_run.h); the same as
// the scripted window's --batch FILE.

#include "cli/command.h"

namespace orvane::cli {

const Command& BatchCommand();

}  // namespace orvane::cli
