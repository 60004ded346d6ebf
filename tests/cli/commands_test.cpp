// The one boundary turns whatever a command throws into one line on the error output and an exit
// status (how the first word picks a command is a golden command-line case).

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

}  // namespace
