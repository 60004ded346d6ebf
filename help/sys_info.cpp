#include "help/sys_info.h"

#include <unistd.h>

#include <system_error>

namespace orvane {
namespace fs = std::filesystem;

bool GetKeyValue(const SystemKeys& keys, KeyRoot key_root, std::string_view key_name,
                 std::string_view sub_key_ref, std::string& key_val) {
    key_val.clear();
    std::optional<std::string> value = keys.Value(key_root, key_name, sub_key_ref);
    if (!value) return false;
    constexpr std::size_t kBufferSize = 1024;
    std::string text = value->substr(0, kBufferSize - 1);
    if (const std::size_t nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
    key_val = std::move(text);
    return true;
}

void StartSysInfo(const SysInfoServices& s) {
    std::string path;
    bool found = GetKeyValue(*s.keys, KeyRoot::LocalMachine, kSysInfoKey, kSysInfoPathValue, path);
    if (!found) {
        std::string folder;
        if (GetKeyValue(*s.keys, KeyRoot::LocalMachine, kSharedToolsKey, kSharedToolsValue,
                        folder)) {
            const std::string candidate = folder + "/" + std::string(kSysInfoFile);
            if (s.file_exists(candidate)) {
                path = candidate;
                found = true;
            }
        }
    }
    if (!found || !s.starter->Start(path)) {
        s.messages->Show(kSysInfoUnavailable, "", MsgButtons::Ok);
    }
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

namespace {

bool Executable(const fs::path& file) {
    std::error_code ec;
    return fs::is_regular_file(file, ec) && ::access(file.c_str(), X_OK) == 0;
}

}  // namespace

std::optional<std::string> LinuxSystemKeys::Value(KeyRoot root, std::string_view key_name,
                                                  std::string_view value_name) const {
    if (root != KeyRoot::LocalMachine) return std::nullopt;
    if (key_name == kSysInfoKey && value_name == kSysInfoPathValue) {
        const std::optional<std::string> search = env_("PATH");
        if (!search) return std::nullopt;
        for (std::string_view program : kSysInfoPrograms) {
            std::string_view rest = *search;
            while (true) {
                const std::size_t colon = rest.find(':');
                const std::string_view dir = rest.substr(0, colon);
                if (!dir.empty() && fs::path(dir).is_absolute()) {
                    const fs::path file = fs::path(dir) / program;
                    if (Executable(file)) return file.string();
                }
                if (colon == std::string_view::npos) break;
                rest.remove_prefix(colon + 1);
            }
        }
        return std::nullopt;
    }
    if (key_name == kSharedToolsKey && value_name == kSharedToolsValue) {
        std::error_code ec;
        if (fs::is_directory(tools_folder_, ec)) return tools_folder_.string();
    }
    return std::nullopt;
}

}  // namespace orvane
