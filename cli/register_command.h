#pragma once
// orvane-cli register: a taxpayer's asset register in, the schedules, the totals of every tax
// year and the year's Form 4562 out.
//
//   orvane-cli register FILE.csv --year YYYY [--format table|csv|json] [--out DIR]
//              [--business-income N] [--carryover-in N] [--jobs N] [--limits-dir DIR]
//
// Exit status: 0 done, 1 a register with rows that cannot be read, 2 a wrong command line or a
// file that cannot be read or written.

#include "cli/command.h"

namespace orvane::cli {

const Command& RegisterCommand();

}  // namespace orvane::cli
