#pragma once
// A fault: a number and its description, the two things the program's error messages show
// ("Err: 482[Printer error]", "Error in SetExportPath Device unavailable Error Number: 68").
// The program's own code raises faults with the numbers of base/fault_numbers.h; the platform's
// services (the printer, the spreadsheet application, the save dialog) raise them too, with the
// description of what went wrong. It is the one exception type of the program's error traps.

#include <exception>
#include <string>
#include <utility>

namespace orvane {

class Fault : public std::exception {
  public:
    Fault(int number, std::string description)
        : number_(number), description_(std::move(description)) {}
    int number() const { return number_; }
    const std::string& description() const { return description_; }
    const char* what() const noexcept override { return description_.c_str(); }

  private:
    int number_;
    std::string description_;
};

}  // namespace orvane
