#include "register/out_folder.h"

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>

#include <cerrno>
#include <cstring>

namespace orvane::reg {
namespace fs = std::filesystem;
namespace {

// Whether a folder holds nothing but files of the register's names.
bool OnlyRegisterFiles(const fs::path& folder, std::error_code& error) {
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        bool known = false;
        for (std::string_view name : kOutFiles)
            known = known || entry.path().filename() == name;
        if (!known) return false;
    }
    return !error;
}

}  // namespace

OutFolder::~OutFolder() {
    if (temp_.empty()) return;
    std::error_code ignored;
    fs::remove_all(temp_, ignored);
}

bool OutFolder::Open(const fs::path& target, std::string& error) {
    target_ = target.has_filename() ? target : target.parent_path();
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(target_, ec);
    if (fs::exists(status)) {
        if (!fs::is_directory(status)) {
            error = "'" + target_.string() + "' is not a folder";
            return false;
        }
        if (!OnlyRegisterFiles(target_, ec)) {
            error = "'" + target_.string() +
                    "' holds other files: give a new folder or one with only the register's files";
            return false;
        }
    }
    fs::path parent = target_.parent_path();
    if (parent.empty()) parent = ".";
    std::string pattern = (parent / ("." + target_.filename().string() + ".tmp-XXXXXX")).string();
    if (!::mkdtemp(pattern.data())) {
        error = "cannot make a folder in '" + parent.string() + "': " + std::strerror(errno);
        return false;
    }
    temp_ = pattern;
    return true;
}

bool OutFolder::Commit(std::string& error) {
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(target_, ec))) {
        if (::rename(temp_.c_str(), target_.c_str()) == 0) {
            temp_.clear();
            return true;
        }
    } else if (::renameat2(AT_FDCWD, temp_.c_str(), AT_FDCWD, target_.c_str(), RENAME_EXCHANGE) ==
               0) {
        // The old folder is now where the temporary one was; the destructor removes it.
        return true;
    }
    error = "cannot move the files into '" + target_.string() + "': " + std::strerror(errno);
    return false;
}

}  // namespace orvane::reg
