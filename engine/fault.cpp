#include "engine/fault.h"

#include <utility>

#include "engine/numtext.h"

namespace orvane {

std::string_view FaultDescription(int number) {
    switch (number) {
        case 5:
            return "Invalid procedure call or argument";
        case 6:
            return "Overflow";
        case 7:
            return "Out of memory";
        case 9:
            return "Subscript out of range";
        case 11:
            return "Division by zero";
        case 13:
            return "Type mismatch";
        case 52:
            return "Bad file name or number";
        case 53:
            return "File not found";
        case 54:
            return "Bad file mode";
        case 55:
            return "File already open";
        case 57:
            return "Device I/O error";
        case 58:
            return "File already exists";
        case 61:
            return "Disk full";
        case 62:
            return "Input past end of file";
        case 63:
            return "Bad record number";
        case 67:
            return "Too many files";
        case 68:
            return "Device unavailable";
        case 70:
            return "Permission denied";
        case 75:
            return "Path/File access error";
        case 76:
            return "Path not found";
        case 380:
            return "Invalid property value";
        case 438:
            return "Object doesn't support this property or method";
        case 482:
            return "Printer error";
        case 30009:
            return "Invalid Row value";
        case 30010:
            return "Invalid Col value";
        default:
            return "Application-defined or object-defined error";
    }
}

Fault::Fault(int number) : number_(number), description_(FaultDescription(number)) {}
Fault::Fault(int number, std::string description)
    : number_(number), description_(std::move(description)) {}

void Raise(int number) {
    throw Fault(number);
}

std::string ErrPrompt(const Fault& f) {
    std::string s = "Err:";
    if (f.number() >= 0) s += ' ';
    s += CStr(f.number());
    s += '[';
    s += f.description();
    s += ']';
    return s;
}

std::string NumberedPrompt(const Fault& f, std::string_view routine) {
    return CStr(f.number()) + std::string(routine) + f.description();
}

std::string RoutinePrompt(const Fault& f, std::string_view routine) {
    return std::string(routine) + f.description() + " Error Number: " + CStr(f.number());
}

void ErrorTrap::Report(const Fault& f) {
    if (numbered_) {
        boxes_.Show(NumberedPrompt(f, title_), "", MsgButtons::Ok);
    } else {
        boxes_.Show(ErrPrompt(f), title_, MsgButtons::Ok);
    }
}

}  // namespace orvane
