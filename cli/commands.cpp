#include "cli/commands.h"

#include <new>
#include <ostream>

#include "cli/batch_command.h"
#include "cli/edit_limits_command.h"
#include "cli/register_command.h"
#include "cli/window_command.h"
#include "platform/fault.h"

namespace orvane::cli {

std::string ToolName(const Command& command) {
    return command.name().empty() ? "orvane-cli" : "orvane-cli " + std::string(command.name());
}

std::string UsageText(std::span<const UsageBlock> blocks) {
    std::string text;
    for (const UsageBlock& block : blocks) {
        text += block.text;
        if (!block.heading.empty()) {
            text += block.heading;
            text += '\n';
        }
        text += OptionLines(block.options);
    }
    return text;
}

std::span<const Command* const> Commands() {
    static const Command* const kCommands[] = {&WindowCommand(), &BatchCommand(),
                                               &EditLimitsCommand(), &RegisterCommand()};
    return kCommands;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const BatchTuning& tuning) {
    // The first word names a command, or the default one takes them all.
    const Command* command = Commands().front();
    std::span<const std::string> rest = args;
    for (const Command* c : Commands().subspan(1)) {
        if (!args.empty() && args.front() == c->name()) {
            command = c;
            rest = rest.subspan(1);
            break;
        }
    }
    return RunCommand(*command, {rest, out, err, tuning});
}

int RunCommand(const Command& command, const CommandLine& line) {
    std::ostream& err = line.err;
    try {
        return command.Run(line);
    } catch (const UsageError& e) {
        err << ToolName(command) << ": " << e.message << '\n';
        return 2;
    } catch (const Fault& f) {
        err << "orvane-cli: " << f.description() << " (fault " << f.number() << ")\n";
    } catch (const std::bad_alloc&) {
        err << "orvane-cli: out of memory\n";
    } catch (const std::exception& e) {
        err << "orvane-cli: " << e.what() << '\n';
    } catch (...) {
        err << "orvane-cli: a failure of no known kind\n";
    }
    return 1;
}

}  // namespace orvane::cli
