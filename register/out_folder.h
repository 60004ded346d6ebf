#pragma once
// The register's four files appear together or not at all: they are written into a temporary
// folder beside the target and the folder is then moved into place in one step.

#include <filesystem>
#include <string>
#include <string_view>

namespace orvane::reg {

class OutFolder {
  public:
    OutFolder() = default;
    OutFolder(const OutFolder&) = delete;
    OutFolder& operator=(const OutFolder&) = delete;
    // Removes the temporary folder when it was never moved into place.
    ~OutFolder();

    // Makes the temporary folder beside `target`. False, with `error`, when `target` is a
    // file, a folder holding anything but the register's files, or no folder can be made.
    bool Open(const std::filesystem::path& target, std::string& error);
    std::filesystem::path PathOf(std::string_view name) const { return temp_ / name; }
    // Moves the folder to the target: renamed to a new name, or exchanged in one step with the
    // folder there (which is then removed). False, with `error`, when it cannot be.
    bool Commit(std::string& error);

  private:
    std::filesystem::path target_, temp_;
};

// The names of the four files.
inline constexpr std::string_view kOutFiles[] = {"assets.csv", "schedules.csv", "totals.csv",
                                                 "form4562.csv"};

}  // namespace orvane::reg
