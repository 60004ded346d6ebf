#pragma once
// A batch: one asset a line of a file, each line the scripted window's actions (shell-style
// quoting), run on a freshly loaded window or, for a plain line, straight through the engine;
// one compact JSON line an asset, in input order, whatever the number of threads.

#include <ostream>
#include <string>
#include <string_view>

#include "cli/command.h"
#include "cli/options.h"
#include "cli/window_session.h"

namespace orvane::cli {

struct BatchSettings {
    SessionSettings session;
    std::string file;
    int jobs = 0;  // 0: one a core
};

// Runs the batch and returns the exit status: 0, or 2 when a line had errors or the file could
// not be read (one line on `err`, after `tool`).
int RunBatch(const BatchSettings& s, const BatchTuning& tuning, std::ostream& out,
             std::ostream& err, std::string_view tool);

inline constexpr int kMaxJobs = 64;
void CheckJobs(std::string_view option, const std::string& value);

// The row of --jobs, for any command whose settings hold `jobs`.
template <class Settings, class Actor>
constexpr Option<Settings, Actor> JobsRow() {
    return {.name = "jobs",
            .value = "N",
            .help = "compute the batch on N threads (default: one a core); the output is the same",
            .check = CheckJobs,
            .setting = [](Settings& s, const std::string& v) { s.jobs = std::stoi(v); }};
}

}  // namespace orvane::cli
