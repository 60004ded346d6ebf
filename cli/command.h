#pragma once
// orvane-cli's commands: the scripted main window (the default, with no command word), `batch`
// and `edit-limits`, each a Command in a file of its own, listed by the registry
// (cli/commands.h). A command reads its arguments through its option table (cli/options.h) and
// runs; a wrong command line is thrown as a UsageError, which the registry's Run turns into one
// line and exit status 2.

#include <atomic>
#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/options.h"

namespace orvane::cli {

// The title of the notes that a command adds among the messages (an action a person could not
// have carried out at that moment).
inline constexpr std::string_view kNoteTitle = "orvane-cli";

// How a batch computes its lines. Whatever is chosen, the output is the same: the tests compare.
struct BatchTuning {
    // Lines that need no window go straight to the engine's schedule; false: every line is
    // run on a window.
    bool direct = true;
    // When set, counts the lines that took the direct road.
    std::atomic<long>* direct_lines = nullptr;
};

// What a command is run with.
struct CommandLine {
    std::span<const std::string> args;  // after the command's word
    std::ostream& out;
    std::ostream& err;
    const BatchTuning& tuning;
};

// A block of a command's usage: prose, then a heading and the options of the command's table
// under it (each part may be empty). The first line of a command's first block is its synopsis.
// --help prints the blocks as text (UsageText), the manual page as roff (cli/manual.h).
struct UsageBlock {
    std::string text;     // lines, each ending in '\n'
    std::string heading;  // a line of its own, "Settings:"
    std::vector<OptionHelp> options;
};

// The usage text of the blocks, as --help prints it.
std::string UsageText(std::span<const UsageBlock> blocks);

class Command {
  public:
    virtual ~Command() = default;
    // The word that picks the command ("edit-limits"); empty for the default command.
    virtual std::string_view name() const = 0;
    // What the command does, in one line.
    virtual std::string_view description() const = 0;
    // The usage text, with the lines of the option table.
    virtual std::string Usage() const = 0;
    // The usage in blocks, for the manual page; by default the usage text as one block of prose.
    virtual std::vector<UsageBlock> UsageBlocks() const { return {{Usage(), {}, {}}}; }
    // Runs the command and returns the exit status. Throws UsageError for a wrong command line.
    virtual int Run(const CommandLine& line) const = 0;
};

// "orvane-cli" or "orvane-cli edit-limits": what the command's messages start with.
std::string ToolName(const Command& command);

// A command whose arguments are read by its option table: --help shows the usage; otherwise the
// settings and the actions go to Execute.
template <class Settings, class Actor>
class TableCommand : public Command {
  public:
    using Row = Option<Settings, Actor>;

    int Run(const CommandLine& line) const final {
        Settings settings;
        std::vector<Given> actions;
        ReadOptions(options(), line.args, settings, actions);
        if (settings.help) {
            line.out << Usage();
            return 0;
        }
        return Execute(settings, actions, line);
    }

  protected:
    virtual std::span<const Row> options() const = 0;
    virtual int Execute(const Settings& settings, const std::vector<Given>& actions,
                        const CommandLine& line) const = 0;
};

}  // namespace orvane::cli
