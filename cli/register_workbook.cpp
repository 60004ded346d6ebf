#include "cli/register_workbook.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ostream>

#include "export/calc_spreadsheet.h"
#include "register/book.h"
#include "register/vehicle_limits.h"
#include "workbook/register_workbook.h"

namespace orvane::cli {
namespace {

namespace fs = std::filesystem;

std::string Extension(const fs::path& file) {
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

// A private folder that is removed with everything in it at the end.
class TempFolder {
  public:
    TempFolder() {
        std::string name = (fs::temp_directory_path() / "orvane-workbook-XXXXXX").string();
        if (::mkdtemp(name.data())) path_ = name;
    }
    ~TempFolder() {
        std::error_code ec;
        if (!path_.empty()) fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

// The workbook `xlsx` stored by LibreOffice as the OpenDocument spreadsheet `target`, which is
// replaced only once the new one is complete.
bool StoreAsOds(const fs::path& xlsx, const fs::path& target, std::string& error) {
    std::string temp =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX.ods")).string();
    const int fd = ::mkstemps(temp.data(), 4);
    if (fd < 0) {
        error = "cannot write '" + target.string() + "': " + std::strerror(errno);
        return false;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    ::close(fd);
    try {
        CalcSpreadsheet calc;
        calc.Start();
        calc.Open(xlsx.string());
        calc.SaveAs(temp);
        calc.Close();
        calc.Quit();
    } catch (const Fault& f) {
        error = "cannot write '" + target.string() + "': " + f.description();
        ::unlink(temp.c_str());
        return false;
    }
    if (std::rename(temp.c_str(), target.c_str()) != 0) {
        error = "cannot write '" + target.string() + "': " + std::strerror(errno);
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

int Fail(std::ostream& err, std::string_view tool, const std::string& message, int status) {
    err << tool << ": " << message << '\n';
    return status;
}

}  // namespace

bool WorkbookName(std::string_view name) {
    const std::string ext = Extension(fs::path(name));
    return fs::path(name).has_stem() && (ext == ".xlsx" || ext == ".ods");
}

int WriteWorkbook(const WorkbookRequest& r, std::ostream& err, std::string_view tool) {
    reg::Book book;
    std::string error;
    if (!book.Load(r.file, error)) {
        if (error.starts_with("row ")) {
            err << error << '\n';
            return 1;
        }
        if (error.starts_with("the register is empty"))
            return Fail(err, tool,
                        "the register is empty: expected a header row and a row for each asset", 1);
        return Fail(err, tool, error, 2);
    }
    for (const std::string& name : book.header().ignored)
        err << "note: column '" << name << "' is ignored\n";
    if (book.size() == 0)
        return Fail(err, tool,
                    "the register holds no assets: expected a row for each asset below the header",
                    1);
    std::vector<std::string> problems;
    const reg::VehicleLimitTable limits = reg::LoadVehicleLimits(r.limits_folder, problems);
    const reg::BookFigures figures =
        reg::FigureBook(book, r.year, r.business_income, r.carryover_in, limits);
    for (const auto& [row, text] : figures.errors)
        err << text << '\n';
    if (!figures.errors.empty()) return 1;
    if (Extension(r.workbook) != ".ods") {
        const bool ok = workbook::WriteRegisterWorkbook(r.workbook, book, figures, limits, error);
        return ok ? 0 : Fail(err, tool, error, 2);
    }
    const TempFolder folder;
    if (folder.path().empty())
        return Fail(err, tool,
                    "cannot make a temporary folder: " + std::string(std::strerror(errno)), 2);
    const fs::path xlsx = folder.path() / "register.xlsx";
    if (!workbook::WriteRegisterWorkbook(xlsx, book, figures, limits, error) ||
        !StoreAsOds(xlsx, r.workbook, error))
        return Fail(err, tool, error, 2);
    return 0;
}

}  // namespace orvane::cli
