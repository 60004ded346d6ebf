// A printing module of another orvane-cli: its version is not the program's, and it has no
// functions to call.

#include "cli/print_module.h"

namespace {
constexpr orvane::cli::PrintModule kOther{orvane::cli::kPrintModuleVersion + 1, nullptr, nullptr,
                                          nullptr, nullptr};
}  // namespace

extern "C" const orvane::cli::PrintModule* orvane_cli_print_module() {
    return &kOther;
}
