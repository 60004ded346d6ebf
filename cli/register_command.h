#pragma once
// The register subcommand: a taxpayer's asset register in, the schedules, the totals of every
// tax year and the year's Form 4562 out.
//
//   orvane-cli register FILE.csv --year YYYY [--format table|csv|json] [--out DIR]
//              [--business-income N] [--carryover-in N] [--jobs N] [--limits-dir DIR]

#include <ostream>
#include <string>
#include <vector>

namespace orvane::cli {

// `args` are the arguments after "register". Returns the exit status: 0 done, 1 a register
// with rows that cannot be read, 2 a wrong command line or a file that cannot be read or
// written.
int RunRegisterCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orvane::cli
