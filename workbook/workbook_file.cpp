#include "workbook/workbook_file.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "base/temp_file.h"
#include "export/calc_spreadsheet.h"
#include "workbook/register_workbook.h"

namespace orvane::workbook {
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
    std::string temp;
    const int fd = MakeTempBeside(target, ".ods", false, temp);
    if (fd < 0) {
        error = "cannot write '" + target.string() + "': " + std::strerror(errno);
        return false;
    }
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

}  // namespace

bool WorkbookName(std::string_view name) {
    const std::string ext = Extension(fs::path(name));
    return fs::path(name).has_stem() && (ext == ".xlsx" || ext == ".ods");
}

bool SaveWorkbook(const fs::path& file, const reg::Book& book, const reg::BookFigures& figures,
                  const reg::VehicleLimitTable& limits, std::string& error) {
    if (Extension(file) != ".ods") return WriteRegisterWorkbook(file, book, figures, limits, error);
    const TempFolder folder;
    if (folder.path().empty()) {
        error = "cannot make a temporary folder: " + std::string(std::strerror(errno));
        return false;
    }
    const fs::path xlsx = folder.path() / "register.xlsx";
    return WriteRegisterWorkbook(xlsx, book, figures, limits, error) &&
           StoreAsOds(xlsx, file, error);
}

}  // namespace orvane::workbook
