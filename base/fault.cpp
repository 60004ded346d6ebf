#include "base/fault.h"

#include <utility>

#include "base/numtext.h"

namespace orvane {

std::string_view FaultDescription(int number) {
    switch (number) {
        case fault::kInvalidProcedureCall:
            return "Invalid procedure call or argument";
        case fault::kOverflow:
            return "Overflow";
        case fault::kOutOfMemory:
            return "Out of memory";
        case fault::kSubscript:
            return "Subscript out of range";
        case fault::kDivisionByZero:
            return "Division by zero";
        case fault::kTypeMismatch:
            return "Type mismatch";
        case fault::kBadFileNameOrNumber:
            return "Bad file name or number";
        case fault::kFileNotFound:
            return "File not found";
        case fault::kBadFileMode:
            return "Bad file mode";
        case fault::kFileAlreadyOpen:
            return "File already open";
        case fault::kDeviceIo:
            return "Device I/O error";
        case fault::kFileAlreadyExists:
            return "File already exists";
        case fault::kDiskFull:
            return "Disk full";
        case fault::kInputPastEndOfFile:
            return "Input past end of file";
        case fault::kBadRecordNumber:
            return "Bad record number";
        case fault::kTooManyFiles:
            return "Too many files";
        case fault::kDeviceUnavailable:
            return "Device unavailable";
        case fault::kPermissionDenied:
            return "Permission denied";
        case fault::kPathFileAccess:
            return "Path/File access error";
        case fault::kPathNotFound:
            return "Path not found";
        case fault::kInvalidPropertyValue:
            return "Invalid property value";
        case fault::kNoSuchProperty:
            return "Object doesn't support this property or method";
        case fault::kPrinterError:
            return "Printer error";
        case fault::kNoPrinter:
            return "Problem getting printer information from the system. Make sure the printer "
                   "is set up correctly.";
        case fault::kInvalidRow:
            return "Invalid Row value";
        case fault::kInvalidCol:
            return "Invalid Col value";
        default:
            return "Application-defined or object-defined error";
    }
}

Fault FaultOf(int number) {
    return Fault(number, std::string(FaultDescription(number)));
}

void Raise(int number) {
    throw FaultOf(number);
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

}  // namespace orvane
