#pragma once
// Between orvane-cli and its printing module, orvane-cli-print.so: the module holds everything
// of Qt that printing needs, so that orvane-cli loads no Qt library until something is printed.
// Both come from the same build; the program opens the module beside itself (the build tree) or
// in LIBDIR/orvane (installed), and takes it only when its version is the program's own.

#include "platform/printer.h"

namespace orvane::cli {

// One more whenever PrintModule or Printer changes.
inline constexpr int kPrintModuleVersion = 2;
inline constexpr const char* kPrintModuleFile = "orvane-cli-print.so";
inline constexpr const char* kPrintModuleEntry = "orvane_cli_print_module";

// The module's functions. The printers raise Faults (platform/fault.h) as any Printer does; the
// caller owns what they return and deletes it before it stops Qt.
struct PrintModule {
    int version;
    // Qt's application object, off screen; null when one is running already.
    void* (*start_qt)();
    void (*stop_qt)(void* app);
    Printer* (*default_printer)();
    Printer* (*pdf_file)(const char* file);
};

}  // namespace orvane::cli

// The module's one exported symbol, named kPrintModuleEntry.
extern "C" const orvane::cli::PrintModule* orvane_cli_print_module();
