#pragma once
// An in-memory spreadsheet application and a save dialog that records what it showed, for the
// tests. Workbooks live in `files` under their path; the calls are logged, and a fault can be
// put on any call.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/scripted.h"
#include "platform/spreadsheet.h"

namespace orvane {

struct FakeWorkbook {
    std::map<std::pair<int, int>, std::string> cells;  // (row, column) -> text as entered
    std::map<int, double> widths;                      // column -> characters
    int sheets = 1;

    std::string Cell(int row, int col) const {
        auto it = cells.find({row, col});
        return it == cells.end() ? std::string() : it->second;
    }
};

class FakeSpreadsheet final : public Spreadsheet {
  public:
    std::map<std::string, FakeWorkbook> files;
    std::set<std::string> held;  // files open in another program: SaveAs fails on them
    // Faults to raise, by call name ("Start", "Open", "Add", "ReadColumn", "Write",
    // "SetColumnWidth", "SaveAs", "Close", "Quit").
    std::map<std::string, Fault> faults;
    std::vector<std::string> log;  // the calls in order, "Write 1 3 Year"
    bool running = false;

    void Start() override {
        Call("Start");
        running = true;
    }
    void Open(const std::string& path) override {
        Call("Open " + path);
        auto it = files.find(path);
        if (it == files.end()) throw Fault(1004, "'" + path + "' could not be found.");
        book_ = it->second;
    }
    void Add() override {
        Call("Add");
        book_ = FakeWorkbook{};
    }
    std::vector<std::string> ReadColumn(int col, int first, int last) override {
        Call("ReadColumn " + std::to_string(col) + " " + std::to_string(first) + " " +
             std::to_string(last));
        std::vector<std::string> out;
        for (int row = first; row <= last; ++row)
            out.push_back(Book().Cell(row, col));
        while (!out.empty() && out.back().empty())
            out.pop_back();
        return out;
    }
    void Write(int row, int col, std::string_view text) override {
        Call("Write " + std::to_string(row) + " " + std::to_string(col) + " " + std::string(text));
        Book().cells[{row, col}] = std::string(text);
    }
    void SetColumnWidth(int col, double characters) override {
        Call("SetColumnWidth " + std::to_string(col));
        Book().widths[col] = characters;
    }
    void SaveAs(const std::string& path) override {
        Call("SaveAs " + path);
        if (held.count(path)) throw Fault(1004, "Cannot access read-only document '" + path + "'.");
        files[path] = Book();
    }
    void Close() override {
        Call("Close");
        book_.reset();
    }
    void Quit() override {
        Call("Quit");
        running = false;
        book_.reset();
    }

  private:
    void Call(std::string entry) {
        std::string name = entry.substr(0, entry.find(' '));
        log.push_back(std::move(entry));
        auto it = faults.find(name);
        if (it != faults.end()) throw it->second;
    }
    FakeWorkbook& Book() {
        if (!book_) throw Fault(91, "Object variable or With block variable not set");
        return *book_;
    }

    std::optional<FakeWorkbook> book_;
};

// Answers the save dialog with `answer` (none is Cancel) or fails with `fault`; keeps the settings
// of each dialog shown.
class FakeFileDialog final : public ScriptedFileDialog {
  public:
    std::optional<Fault> fault;
    std::vector<FileDialogSettings> shown;

    std::string ShowSave(const FileDialogSettings& settings) override {
        shown.push_back(settings);
        if (fault) throw *fault;
        return ScriptedFileDialog::ShowSave(settings);
    }
};

}  // namespace orvane
