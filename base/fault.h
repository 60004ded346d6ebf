#pragma once
// The program's faults by number: each number's description ("Err: 13[Type mismatch]"), and the
// shapes in which the windows report them. The type Fault is platform/fault.h.

#include <string>
#include <string_view>

#include "base/fault_numbers.h"
#include "platform/fault.h"

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

}  // namespace orvane
