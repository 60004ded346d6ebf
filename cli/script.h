#pragma once
// orvane-cli: a scripted user of the main window. Each option is one user action, applied in
// order by the handlers the window uses; the window's state is printed at the end.

#include <atomic>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::cli {

// How --batch computes its lines. Whatever is chosen, the output is the same: the tests compare.
struct BatchTuning {
    // Lines that need no window go straight to the engine's schedule; false: every line is
    // run on a window.
    bool direct = true;
    // When set, counts the lines that took the direct road.
    std::atomic<long>* direct_lines = nullptr;
};

// Runs the command line (args without the program name); returns the exit code.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const BatchTuning& tuning = {});

// Splits one line into words the way a shell does with quotes and backslashes (no expansion).
// Returns false on an unterminated quote.
bool SplitWords(std::string_view line, std::vector<std::string>& words);

}  // namespace orvane::cli
