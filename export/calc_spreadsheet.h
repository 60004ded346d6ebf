#pragma once
// The spreadsheet application for the real program: LibreOffice Calc, reached through the helper
// orvane-calc, which this class starts for one export and ends at Quit. LibreOffice runs headless
// with a private profile in a temporary folder (which also holds LibreOffice's own temporary
// files), in a process group of its own that is killed when the helper stops answering or dies;
// the folder is removed at the end, and so is any lock file that LibreOffice left beside a
// workbook of the export, however the export ended.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "export/workbook_lock.h"
#include "platform/spreadsheet.h"

namespace orvane {

struct CalcOptions {
    // The helper; empty: orvane-calc beside the running program.
    std::filesystem::path helper;
    // How long LibreOffice may take to start and to answer one request.
    std::chrono::seconds start_timeout{60};
    std::chrono::seconds request_timeout{30};
};

class CalcSpreadsheet final : public Spreadsheet {
  public:
    explicit CalcSpreadsheet(CalcOptions options = {});
    ~CalcSpreadsheet() override;
    CalcSpreadsheet(const CalcSpreadsheet&) = delete;
    CalcSpreadsheet& operator=(const CalcSpreadsheet&) = delete;

    void Start() override;
    void Open(const std::string& path) override;
    void Add() override;
    std::vector<std::string> ReadColumn(int col, int first, int last) override;
    void Write(int row, int col, std::string_view text) override;
    void SetColumnWidth(int col, double characters) override;
    void SaveAs(const std::string& path) override;
    void Close() override;
    void Quit() override;

    // The private profile folder of the last start (gone after Quit) and the running helper,
    // for the tests.
    const std::filesystem::path& last_profile() const { return profile_; }
    pid_t helper_pid() const { return helper_; }

    // soffice on the PATH, or empty.
    static std::filesystem::path FindOffice();

  private:
    std::vector<std::string> Request(const std::vector<std::string>& fields);
    // The next line from the helper, or a fault when it ends or stays silent past `timeout`.
    std::string ReadLine(std::chrono::milliseconds timeout);
    [[noreturn]] void Fail(int number, const std::string& description);
    // Ends what is left of the helper and LibreOffice (at once: killed), removes our locks and
    // the profile.
    void Stop(bool at_once = false);

    CalcOptions options_;
    pid_t helper_ = 0;
    pid_t office_group_ = 0;
    int fd_ = -1;
    std::string buffer_;
    std::filesystem::path profile_;
    calc::OwnLocks locks_;
};

}  // namespace orvane
