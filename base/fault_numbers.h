#pragma once
// The program's fault numbers, by name. FaultDescription (fault.h) gives each one's text.

namespace orvane::fault {

inline constexpr int kInvalidProcedureCall = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kOutOfMemory = 7;
inline constexpr int kSubscript = 9;
inline constexpr int kDivisionByZero = 11;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kBadFileNameOrNumber = 52;
inline constexpr int kFileNotFound = 53;
inline constexpr int kBadFileMode = 54;
inline constexpr int kFileAlreadyOpen = 55;
inline constexpr int kDeviceIo = 57;
inline constexpr int kFileAlreadyExists = 58;
inline constexpr int kDiskFull = 61;
inline constexpr int kInputPastEndOfFile = 62;
inline constexpr int kBadRecordNumber = 63;
inline constexpr int kTooManyFiles = 67;
inline constexpr int kDeviceUnavailable = 68;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kPathFileAccess = 75;
inline constexpr int kPathNotFound = 76;
inline constexpr int kInvalidPropertyValue = 380;
inline constexpr int kNoSuchProperty = 438;
inline constexpr int kPrinterError = 482;
inline constexpr int kNoPrinter = 484;
inline constexpr int kInvalidRow = 30009;
inline constexpr int kInvalidCol = 30010;

}  // namespace orvane::fault
