#include "limits/data_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "limits/vehicle_limit_files.h"

namespace orvane {
namespace fs = std::filesystem;

EnvLookup ProcessEnvironment() {
    return [](std::string_view name) -> std::optional<std::string> {
        const char* value = std::getenv(std::string(name).c_str());
        if (value == nullptr) return std::nullopt;
        return std::string(value);
    };
}

bool FolderWritable(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return false;
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

fs::path ProgramFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return exe.parent_path();
}

namespace {

std::optional<fs::path> UserDataFolder(const EnvLookup& env) {
    if (auto xdg = env("XDG_DATA_HOME"); xdg && !xdg->empty() && fs::path(*xdg).is_absolute()) {
        return fs::path(*xdg) / "orvane";
    }
    if (auto home = env("HOME"); home && !home->empty()) {
        return fs::path(*home) / ".local" / "share" / "orvane";
    }
    return std::nullopt;
}

// Copies a shipped file under a temporary name and renames it, so that an interrupted copy
// never leaves a partial limit file behind.
void CopyIfMissing(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    if (fs::exists(to, ec) || !fs::is_regular_file(from, ec)) return;
    fs::path part = to;
    part += ".part";
    if (!fs::copy_file(from, part, fs::copy_options::overwrite_existing, ec)) return;
    fs::rename(part, to, ec);
    if (ec) fs::remove(part, ec);
}

bool HoldsLimitFiles(const fs::path& folder) {
    std::error_code ec;
    for (std::string_view name : kLimitFileNames) {
        if (fs::is_regular_file(folder / name, ec)) return true;
    }
    return false;
}

}  // namespace

fs::path ShippedLimitsFolder(const fs::path& program_folder) {
    if (HoldsLimitFiles(program_folder)) return program_folder;
    fs::path shared = program_folder.parent_path() / "share" / "orvane";
    if (!program_folder.empty() && HoldsLimitFiles(shared)) return shared;
    return program_folder;
}

fs::path LimitsFolder(const fs::path& program_folder, const EnvLookup& env,
                      const std::function<bool(const fs::path&)>& writable) {
    const fs::path shipped = ShippedLimitsFolder(program_folder);
    if (shipped == program_folder && writable(program_folder)) return program_folder;
    std::optional<fs::path> data = UserDataFolder(env);
    if (!data) return shipped;
    std::error_code ec;
    fs::create_directories(*data, ec);
    if (ec || !fs::is_directory(*data, ec)) return shipped;
    for (std::string_view name : kLimitFileNames)
        CopyIfMissing(shipped / name, *data / name);
    return *data;
}

}  // namespace orvane
