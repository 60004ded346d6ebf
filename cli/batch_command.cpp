#include "cli/batch_command.h"

#include "cli/batch_run.h"
#include "cli/window_session.h"

namespace orvane::cli {
namespace {

struct Settings : BatchSettings {
    bool help = false;
};

// The batch takes settings only: the actions are the file's.
struct NoActions {};

void CheckFile(std::string_view option, const std::string& value) {
    if (value.empty()) BadValue(option, "the name of the batch file", value);
}

using BatchOption = Option<Settings, NoActions>;

constexpr BatchOption kOptions[] = {
    {.name = "file",
     .value = "FILE",
     .help = "the batch file: one asset's actions a line",
     .check = CheckFile,
     .setting = [](Settings& s, const std::string& v) { s.file = v; }},
    JobsRow<Settings, NoActions>(),
    LimitsDirRow<Settings, NoActions>(),
    TodayRow<Settings, NoActions>(),
    AnswerRow<Settings, NoActions>(),
    {.name = "help",
     .help = "show this text",
     .setting = [](Settings& s, const std::string&) { s.help = true; }},
};

constexpr std::string_view kUsage = R"text(usage: orvane-cli batch --file FILE [SETTING]...
Each line of FILE is one asset's actions on the main window (orvane-cli --help lists them), with
shell-style quoting, run on a freshly loaded window; one compact JSON line per asset, in the
order of the file: {"status": ..., "rows": [[year, depreciation, adj tax basis] texts of the
rows that have a year], "messages": [...]}, or {"error": "line N: ..."} for a line that cannot
be read (exit 2 at the end). The same as orvane-cli --batch FILE.
)text";

class Batch final : public TableCommand<Settings, NoActions> {
  public:
    std::string_view name() const override { return "batch"; }
    std::string_view description() const override {
        return "many assets, one a line of a file, one JSON line each (as --batch FILE)";
    }
    std::string Usage() const override { return UsageText(UsageBlocks()); }
    std::vector<UsageBlock> UsageBlocks() const override {
        return {{std::string(kUsage), "settings:", HelpOf(std::span<const BatchOption>(kOptions))}};
    }

  protected:
    std::span<const Row> options() const override { return kOptions; }

    int Execute(const Settings& s, const std::vector<Given>&,
                const CommandLine& line) const override {
        if (s.file.empty()) MissingOption("--file");
        return RunBatch(s, line.tuning, line.out, line.err, ToolName(*this));
    }
};

}  // namespace

const Command& BatchCommand() {
    static const Batch kCommand;
    return kCommand;
}

}  // namespace orvane::cli
