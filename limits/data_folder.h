#pragma once
// Where the program keeps its limit files: beside the program when that folder is writable,
// otherwise in the user's data folder, which is seeded on first use with the limit files shipped
// beside the program.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Reads an environment variable; nothing when it is not set.
using EnvLookup = std::function<std::optional<std::string>(std::string_view name)>;
EnvLookup ProcessEnvironment();

// Whether the program may create and replace files in `folder`.
bool FolderWritable(const std::filesystem::path& folder);

// The folder of the limit files shipped with a program in `program_folder`: the program's own
// folder when it holds any (the build tree), else ../share/orvane when that holds any (an
// installed program), else the program's folder.
std::filesystem::path ShippedLimitsFolder(const std::filesystem::path& program_folder);

// The folder of the limit files for a program in `program_folder`:
// - `program_folder` itself when the shipped files are there and `writable` says so;
// - otherwise $XDG_DATA_HOME/orvane (an absolute XDG_DATA_HOME only), or ~/.local/share/orvane,
//   created when missing; each limit file missing there is copied from the shipped folder;
// - the shipped folder when no such folder can be made.
std::filesystem::path LimitsFolder(
    const std::filesystem::path& program_folder, const EnvLookup& env,
    const std::function<bool(const std::filesystem::path&)>& writable = FolderWritable);

// The folder of the running program (/proc/self/exe); empty when unknown.
std::filesystem::path ProgramFolder();

}  // namespace orvane
