#pragma once
// StartSysInfo: finds the system information program through the system's keys and starts it.
// On Linux the keys are answered by LinuxSystemKeys from the programs installed on the PATH.

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "limits/data_folder.h"
#include "platform/services.h"
#include "platform/system_programs.h"

namespace orvane {

inline constexpr std::string_view kSysInfoUnavailable =
    "System Information Is Unavailable At This Time";

// The key whose value "PATH" names the system information program, and the key whose value
// "MSINFO" names the folder that holds it.
inline constexpr std::string_view kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view kSysInfoPathValue = "PATH";
inline constexpr std::string_view kSharedToolsKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr std::string_view kSharedToolsValue = "MSINFO";

// The system information programs of the Linux desktops, in the order they are preferred.
inline constexpr std::array<std::string_view, 3> kSysInfoPrograms = {
    "hardinfo", "gnome-system-monitor", "kinfocenter"};
// The program looked for in the shared tools folder.
inline constexpr std::string_view kSysInfoFile = "hardinfo";

// Reads the text value `sub_key_ref` of the key `key_name` into `key_val`, as a buffer of 1024
// bytes holds it, without its terminating NUL. False, with `key_val` empty, when the key or the
// value cannot be read.
bool GetKeyValue(const SystemKeys& keys, KeyRoot key_root, std::string_view key_name,
                 std::string_view sub_key_ref, std::string& key_val);

struct SysInfoServices {
    MessageBoxes* messages = nullptr;
    const SystemKeys* keys = nullptr;
    ProgramStarter* starter = nullptr;
    std::function<bool(const std::string& path)> file_exists;
};

// 1. the program named by the value PATH of the system information key; 2. otherwise the
// program kSysInfoFile in the folder named by the shared tools key, when it is there;
// 3. otherwise, and on any failure, the message "System Information Is Unavailable At This Time";
// 4. the program is started without waiting for it.
void StartSysInfo(const SysInfoServices& services);

// The system's keys as Linux answers them: the system information key names the first program of
// kSysInfoPrograms found on the PATH; the shared tools key names `tools_folder` when it exists.
class LinuxSystemKeys final : public SystemKeys {
  public:
    explicit LinuxSystemKeys(EnvLookup env = ProcessEnvironment(),
                             std::filesystem::path tools_folder = "/usr/bin")
        : env_(std::move(env)), tools_folder_(std::move(tools_folder)) {}
    std::optional<std::string> Value(KeyRoot root, std::string_view key_name,
                                     std::string_view value_name) const override;

  private:
    EnvLookup env_;
    std::filesystem::path tools_folder_;
};

// Whether `path` names an existing regular file.
bool FileExists(const std::string& path);

}  // namespace orvane
