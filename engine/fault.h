#pragma once
// The program's faults by number: each number's description ("Err: 13[Type mismatch]"), and the
// trap that reports a fault in a message box and carries on. The type Fault is platform/fault.h.

#include <new>
#include <string>
#include <string_view>

#include "engine/fault_numbers.h"
#include "platform/fault.h"
#include "platform/services.h"

namespace orvane {

// The description shown with a fault number ("Type mismatch" for 13).
std::string_view FaultDescription(int number);

// The fault `number` with its description.
Fault FaultOf(int number);

[[noreturn]] void Raise(int number);

// "Err: 9[Subscript out of range]": the shape used by the engine and the main window.
std::string ErrPrompt(const Fault& f);
// "61 Error in cmdSave. Disk full": the shape of the limit editor and the record files.
std::string NumberedPrompt(const Fault& f, std::string_view routine);
// "Error in ShowHelpSearch <description> Error Number: 5": the shape of help and export.
std::string RoutinePrompt(const Fault& f, std::string_view routine);

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
