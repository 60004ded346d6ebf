#include "export/save_failure.h"

#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <regex>
#include <system_error>

namespace orvane {
namespace {

namespace fs = std::filesystem;

// Less free space than this (or than twice the workbook already there) counts as a full disk.
constexpr std::uintmax_t kRoomForAWorkbook = 256 * 1024;

bool IsStoreReport(const std::string& description) {
    return description.find("SfxBaseModel::") != std::string::npos ||
           (description.find("<file:") != std::string::npos &&
            description.find("failed: 0x") != std::string::npos);
}

// LibreOffice's error code in the report ("0x507"), or empty.
std::string ErrorCode(const std::string& description) {
    static const std::regex code("failed: (0x[0-9a-fA-F]+)");
    std::smatch m;
    return std::regex_search(description, m, code) ? m[1].str() : std::string();
}

bool NoRoom(const fs::path& folder, const fs::path& path) {
    struct statvfs disk {};
    if (::statvfs(folder.c_str(), &disk) != 0) return false;
    std::error_code ec;
    const std::uintmax_t now = fs::is_regular_file(path, ec) ? fs::file_size(path, ec) : 0;
    const std::uintmax_t free = static_cast<std::uintmax_t>(disk.f_bavail) * disk.f_frsize;
    const bool no_inodes = disk.f_files > 0 && disk.f_favail == 0;
    return no_inodes || free < std::max<std::uintmax_t>(kRoomForAWorkbook, 2 * (ec ? 0 : now));
}

std::string Reason(const fs::path& path, const std::string& description) {
    std::error_code ec;
    const fs::path folder = fs::absolute(path, ec).parent_path();
    if (!fs::exists(folder, ec)) return "the folder " + folder.string() + " does not exist";
    if (!fs::is_directory(folder, ec)) return folder.string() + " is not a folder";
    struct statvfs disk {};
    if (::statvfs(folder.c_str(), &disk) == 0 && (disk.f_flag & ST_RDONLY) != 0)
        return "the folder cannot be written (it is on a read-only disk)";
    if (::access(folder.c_str(), W_OK) != 0) return "the folder cannot be written";
    if (fs::exists(path, ec) && ::access(path.c_str(), W_OK) != 0) return "the file is read-only";
    if (NoRoom(folder, path)) return "there is no space left on the device";
    const std::string code = ErrorCode(description);
    return "LibreOffice could not store it there" +
           (code.empty() ? std::string() : " (error " + code + ")");
}

}  // namespace

std::string PlainSaveFailure(const fs::path& path, const std::string& description) {
    if (!IsStoreReport(description)) return description;
    return "Could not write " + path.string() + ": " + Reason(path, description) + ".";
}

}  // namespace orvane
