// orvane-cli's manual page against the option tables that --help prints: every option of every
// command is on the page, and the page is roff that groff reads without a warning.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include <unistd.h>

#include "cli/commands.h"
#include "cli/manual.h"

namespace orvane::cli {
namespace {

namespace fs = std::filesystem;

struct Rendered {
    std::string text;
    std::string warnings;
};

// Runs of blanks and line ends as one blank: the page is filled and justified.
std::string OneBlank(const std::string& text) {
    std::string out;
    for (char c : text) {
        const bool blank = c == ' ' || c == '\n';
        if (!blank || out.empty() || out.back() != ' ') out += blank ? ' ' : c;
    }
    return out;
}

// The page as man shows it (plain ASCII, no word broken at a line end, blanks as one), and what
// groff warned of; nullopt without groff.
std::optional<Rendered> Render(const std::string& page) {
    if (std::system("command -v groff >/dev/null 2>&1") != 0) return std::nullopt;
    // A folder of this process's own: ctest runs the tests of this file side by side.
    const fs::path dir =
        fs::path(::testing::TempDir()) / ("orvane-manual-test-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "page.1") << page;
    const std::string command = "groff -man -rHY=0 -ww -Tascii -P-cbou " +
                                (dir / "page.1").string() + " >" + (dir / "page.txt").string() +
                                " 2>" + (dir / "warnings.txt").string();
    if (std::system(command.c_str()) != 0) return std::nullopt;
    const auto read = [](const fs::path& p) {
        std::ifstream in(p);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    Rendered rendered{OneBlank(read(dir / "page.txt")), read(dir / "warnings.txt")};
    fs::remove_all(dir);
    return rendered;
}

TEST(Manual, EveryOptionOfEveryCommandIsOnThePageAsTyped) {
    const std::string page = ManualPage(Commands(), "9.8.7", "2026-12-07");
    const auto rendered = Render(page);
    if (!rendered) GTEST_SKIP() << "groff is not installed";
    EXPECT_EQ(rendered->warnings, "");
    int options = 0;
    for (const Command* command : Commands()) {
        EXPECT_NE(rendered->text.find(ToolName(*command)), std::string::npos) << command->name();
        for (const UsageBlock& block : command->UsageBlocks()) {
            for (const OptionHelp& option : block.options) {
                ++options;
                // The option as a person types it, and its help line's first words.
                const std::string typed = "--" + std::string(option.name);
                EXPECT_NE(rendered->text.find(typed), std::string::npos) << typed;
                const std::string help(option.help.substr(0, option.help.find(' ', 12)));
                EXPECT_NE(rendered->text.find(help), std::string::npos) << typed << ": " << help;
                for (std::string_view choice : option.choices)
                    EXPECT_NE(rendered->text.find(choice), std::string::npos) << choice;
            }
        }
    }
    EXPECT_GT(options, 40);
    EXPECT_NE(rendered->text.find("9.8.7"), std::string::npos);
}

TEST(Manual, TheUsageTextIsTheBlocksAsHelpPrintsThem) {
    for (const Command* command : Commands())
        EXPECT_EQ(command->Usage(), UsageText(command->UsageBlocks())) << command->name();
}

// A command that gives only its usage text still has it on the page.
class PlainCommand final : public Command {
  public:
    std::string_view name() const override { return "plain"; }
    std::string_view description() const override { return "a command of text only"; }
    std::string Usage() const override {
        return "usage: orvane-cli plain --what X\n.starts with a period\n  --what X    the thing\n";
    }
    int Run(const CommandLine&) const override { return 0; }
};

TEST(Manual, ACommandOfUsageTextOnlyIsShownAsItsText) {
    static const PlainCommand plain;
    const Command* commands[] = {Commands().front(), &plain};
    const auto rendered = Render(ManualPage(commands, "1", "2026-12-07"));
    if (!rendered) GTEST_SKIP() << "groff is not installed";
    EXPECT_EQ(rendered->warnings, "");
    EXPECT_NE(rendered->text.find("orvane-cli plain --what X"), std::string::npos);
    EXPECT_NE(rendered->text.find(".starts with a period"), std::string::npos);
    EXPECT_NE(rendered->text.find("--what X the thing"), std::string::npos);
}

}  // namespace
}  // namespace orvane::cli
