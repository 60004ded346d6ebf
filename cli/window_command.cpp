#include "cli/window_command.h"

#include <algorithm>
#include <ostream>

#include "cli/batch_run.h"
#include "cli/commands.h"
#include "cli/window_json.h"
#include "cli/window_options.h"
#include "cli/window_table.h"

namespace orvane::cli {
namespace {

// The usage text around the option lines.
constexpr std::string_view kIntro = R"text(orvane-cli [ACTION|SETTING]...
Each action is one user action on the main window, applied in the order given, by the same
handlers the window uses. When they are used up it prints the window's state and exits 0
(exit 2 with a one-line error for a wrong command line). An action that a person could not
carry out at that moment (a disabled control, an entry that is not in its list) changes nothing
and adds {"title": "orvane-cli", "text": "ignored: --option VALUE (why)"} to "messages". A message
box is recorded in "messages" and answered with its default (OK; a Yes/No/Cancel question
takes --answer). A field is retyped as a person selecting its whole text and typing over it;
an empty TEXT erases it.

)text";
constexpr std::string_view kBatch = R"text(
With --batch each line of FILE is one asset's actions (shell-style quoting), each run on a
freshly loaded window; one compact JSON line per asset: {"status": ..., "rows": [[year,
depreciation, adj tax basis] texts of the rows that have a year], "messages": [...]}.

)text";
// The other commands of the registry, one line each.
std::string OtherCommands() {
    std::string text = "Other commands (orvane-cli COMMAND --help shows the options of each):\n";
    for (const Command* c : Commands()) {
        if (c->name().empty()) continue;
        std::string left = "  " + std::string(c->name());
        left.resize(std::max<std::size_t>(left.size() + 2, 16), ' ');
        text += left + std::string(c->description()) + "\n";
    }
    return text;
}

// The scripted main window: the actions of the command line, applied in order by the handlers
// the window uses, and the window's state printed at the end; with --batch, many assets.
class Window final : public TableCommand<WindowSettings, WindowRunner> {
  public:
    std::string_view name() const override { return {}; }
    std::string_view description() const override {
        return "script the main window: the actions in order, then the window's state";
    }
    std::string Usage() const override { return UsageText(UsageBlocks()); }
    std::vector<UsageBlock> UsageBlocks() const override {
        const std::span<const WindowOption> rows = WindowOptions();
        const std::size_t settings = WindowFirstSetting();
        return {{std::string(kIntro),
                 "Actions (may repeat; order matters):", HelpOf(rows.first(settings))},
                {{}, "Settings:", HelpOf(rows.subspan(settings))},
                {std::string(kBatch) + OtherCommands(), {}, {}}};
    }

  protected:
    std::span<const Row> options() const override { return WindowOptions(); }

    int Execute(const WindowSettings& s, const std::vector<Given>& actions,
                const CommandLine& line) const override {
        if (s.batch) {
            if (!actions.empty())
                throw UsageError{
                    "option '--batch' takes its actions from the file, not from "
                    "the command line"};
            return RunBatch({s.session, *s.batch, s.jobs}, line.tuning, line.out, line.err,
                            ToolName(*this));
        }
        WindowSession session(s.session, LimitsFolderOf(s.session));
        MainWindowModel model = session.LoadWindow();
        RunWindowActions(model, session, actions);
        if (s.json) {
            line.out << StateJsonText(model, session.platform) << "\n";
        } else {
            PrintTable(model, session.platform, line.out);
        }
        return 0;
    }
};

}  // namespace

const Command& WindowCommand() {
    static const Window kCommand;
    return kCommand;
}

}  // namespace orvane::cli
