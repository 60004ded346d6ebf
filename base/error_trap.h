#pragma once
// The trap that reports a fault in a message box and carries on with the next statement.

#include <new>
#include <string_view>

#include "base/fault.h"
#include "platform/services.h"

namespace orvane {

// One routine's error report. Run() executes one statement; a fault in it is shown in a box
// with only an OK button, and the caller goes on with its next statement. Run() tells whether
// the statement completed. The engine and the main window show "Err: 13[Type mismatch]" under
// the routine's title; the limit files and their editor show the numbered shape ("61 Error in
// cmdSave. Disk full") under the application title.
class ErrorTrap {
  public:
    ErrorTrap(MessageBoxes& boxes, std::string_view title) : boxes_(boxes), title_(title) {}
    static ErrorTrap Numbered(MessageBoxes& boxes, std::string_view routine) {
        ErrorTrap trap(boxes, routine);
        trap.numbered_ = true;
        return trap;
    }
    // The export's shape: the description alone, under the application title.
    static ErrorTrap Described(MessageBoxes& boxes) {
        ErrorTrap trap(boxes, "");
        trap.described_ = true;
        return trap;
    }

    template <class F>
    bool Run(F&& statement) {
        try {
            statement();
            return true;
        } catch (const Fault& f) {
            Report(f);
        } catch (const std::bad_alloc&) {
            Report(FaultOf(fault::kOutOfMemory));
        }
        return false;
    }
    void Report(const Fault& f);

  private:
    MessageBoxes& boxes_;
    std::string_view title_;  // the routine's text in the numbered shape
    bool numbered_ = false;
    bool described_ = false;
};

}  // namespace orvane
