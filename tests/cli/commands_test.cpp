// The registry picks a command by its first word, and the one boundary turns whatever a command
// throws into one line on the error output and an exit status.

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/commands.h"
#include "platform/fault.h"

namespace {

using namespace orvane::cli;

struct Ran {
    int code;
    std::string out, err;
};

Ran RunCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = Run(args, out, err);
    return {code, out.str(), err.str()};
}

// A command that throws what it is given.
template <class Thrown>
class Throwing final : public Command {
  public:
    explicit Throwing(Thrown thrown) : thrown_(std::move(thrown)) {}
    std::string_view name() const override { return "throwing"; }
    std::string_view description() const override { return "throws"; }
    std::string Usage() const override { return {}; }
    int Run(const CommandLine&) const override { throw thrown_; }

  private:
    Thrown thrown_;
};

template <class Thrown>
Ran RunThrowing(Thrown thrown) {
    std::ostringstream out, err;
    const int code = RunCommand(Throwing<Thrown>(std::move(thrown)), {{}, out, err, {}});
    return {code, out.str(), err.str()};
}

TEST(Commands, WhatACommandThrowsIsOneLineAndAnExitStatus) {
    const Ran usage = RunThrowing(UsageError{"option '--x' is required"});
    EXPECT_EQ(usage.code, 2);
    EXPECT_EQ(usage.err, "orvane-cli throwing: option '--x' is required\n");
    const Ran fault = RunThrowing(orvane::Fault(61, "Disk full"));
    EXPECT_EQ(fault.code, 1);
    EXPECT_EQ(fault.err, "orvane-cli: Disk full (fault 61)\n");
    const Ran other = RunThrowing(std::runtime_error("the sky fell"));
    EXPECT_EQ(other.code, 1);
    EXPECT_EQ(other.err, "orvane-cli: the sky fell\n");
    const Ran memory = RunThrowing(std::bad_alloc());
    EXPECT_EQ(memory.err, "orvane-cli: out of memory\n");
    EXPECT_EQ(RunThrowing(42).err, "orvane-cli: a failure of no known kind\n");
}

TEST(Commands, TheFirstWordPicksTheCommandAndItsMessagesNameIt) {
    const Ran batch = RunCli({"batch", "--jobs", "1"});
    EXPECT_EQ(batch.code, 2);
    EXPECT_EQ(batch.err, "orvane-cli batch: option '--file' is required\n");
    const Ran editor = RunCli({"edit-limits", "--bogus"});
    EXPECT_EQ(editor.err, "orvane-cli edit-limits: unknown option '--bogus'\n");
    // Anywhere but first, a command's name is a word of the window's command line.
    const Ran window = RunCli({"--json", "batch"});
    EXPECT_EQ(window.err, "orvane-cli: unexpected argument 'batch'\n");
    // Each command shows its usage.
    for (const Command* c : Commands()) {
        std::vector<std::string> help = {"--help"};
        if (!c->name().empty()) help.insert(help.begin(), std::string(c->name()));
        const Ran shown = RunCli(help);
        EXPECT_EQ(shown.code, 0) << c->name();
        EXPECT_EQ(shown.out, c->Usage()) << c->name();
    }
}

TEST(Commands, TheBatchCommandIsTheWindowsBatch) {
    const std::string file = std::string(ORVANE_CASES) + "/assets.batch";
    const Ran command = RunCli({"batch", "--today", "2024-06-15", "--file", file});
    const Ran option = RunCli({"--today", "2024-06-15", "--batch", file});
    EXPECT_EQ(command.out, option.out);
    EXPECT_NE(command.out, "");
    EXPECT_EQ(command.code, option.code);
    EXPECT_EQ(command.err, "orvane-cli batch: 1 batch line(s) had errors\n");
}

}  // namespace
