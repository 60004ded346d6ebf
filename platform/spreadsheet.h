#pragma once
// The spreadsheet application as the export drives it, and the save-file dialog that picks the
// workbook. Both report failures as a Fault (platform/fault.h): the number and description that
// the program's error messages show.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fault.h"

namespace orvane {

// The fault of a spreadsheet application that is gone (it ended, or stopped answering and was
// ended): nothing more can be done with it.
inline constexpr int kSpreadsheetGone = 429;

// One spreadsheet application, started for one export and kept invisible. Rows and columns
// count from 1; the cell calls work on the active sheet of the open workbook.
class Spreadsheet {
  public:
    virtual ~Spreadsheet() = default;
    // Starts the application; the description of a failure says what is missing.
    virtual void Start() = 0;
    // Opens an existing workbook; fails when there is none at `path` or it cannot be read.
    virtual void Open(const std::string& path) = 0;
    // A new workbook with one sheet, the first sheet selected.
    virtual void Add() = 0;
    // Rows first..last of column `col` as texts; the list may stop early, the rows after it
    // being empty.
    virtual std::vector<std::string> ReadColumn(int col, int first, int last) = 0;
    // Enters `text` as a person typing it would: numbers become numbers, texts stay texts.
    virtual void Write(int row, int col, std::string_view text) = 0;
    // A column's width in characters of the default font.
    virtual void SetColumnWidth(int col, double characters) = 0;
    // Saves the workbook under `path`, replacing a file there without asking.
    virtual void SaveAs(const std::string& path) = 0;
    virtual void Close() = 0;
    // Ends the application; harmless when it is not running.
    virtual void Quit() = 0;
};

struct FileDialogSettings {
    std::string default_ext;     // "xls": added to a name typed without extension
    std::string initial_folder;  // absolute
    std::string title;
    std::string filter;              // "Description (*.ext)|*.ext", more pairs after another "|"
    std::string file_name;           // proposed name
    bool confirm_overwrite = false;  // a save over a file that exists asks first
};

// The common dialog's cancel error.
inline constexpr int kCancelError = 32755;

class FileDialog {
  public:
    virtual ~FileDialog() = default;
    // The full path the user chose. Cancel raises the Fault kCancelError ("Cancel was
    // selected.").
    virtual std::string ShowSave(const FileDialogSettings& settings) = 0;
    // The full path of an existing file the user chose to open; Cancel raises as above.
    virtual std::string ShowOpen(const FileDialogSettings& settings) = 0;
};

}  // namespace orvane
