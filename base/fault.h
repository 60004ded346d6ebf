#pragma once
// Run-time faults, each with its number and description ("Err: 13[Type mismatch]"), and the
// shapes in which the windows report them.

#include <exception>
#include <string>
#include <string_view>

#include "base/fault_numbers.h"

namespace orvane {

// The description shown with a fault number ("Type mismatch" for 13).
std::string_view FaultDescription(int number);

class Fault : public std::exception {
  public:
    explicit Fault(int number);
    Fault(int number, std::string description);
    int number() const { return number_; }
    const std::string& description() const { return description_; }
    const char* what() const noexcept override { return description_.c_str(); }

  private:
    int number_;
    std::string description_;
};

[[noreturn]] void Raise(int number);

// "Err: 9[Subscript out of range]": the shape used by the engine and the main window.
std::string ErrPrompt(const Fault& f);
// "61 Error in cmdSave. Disk full": the shape of the limit editor and the record files.
std::string NumberedPrompt(const Fault& f, std::string_view routine);
// "Error in ShowHelpSearch <description> Error Number: 5": the shape of help and export.
std::string RoutinePrompt(const Fault& f, std::string_view routine);

}  // namespace orvane
