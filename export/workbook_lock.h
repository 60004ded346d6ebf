#pragma once
// The lock file that LibreOffice keeps beside a workbook it has open or is storing
// (".~lock.NAME#", one line ",user,host,date,profile URL;"), and which of them an export removes
// when it ends: its own, whatever happened, and never another program's. Header-only, so that
// both the program and its LibreOffice helper use it.

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace orvane::calc {

inline std::filesystem::path LockFileOf(const std::filesystem::path& workbook) {
    return workbook.parent_path() / (".~lock." + workbook.filename().string() + "#");
}

// The text of the lock file beside `workbook`, or nothing when there is none.
inline std::optional<std::string> ReadLock(const std::filesystem::path& workbook) {
    std::error_code ec;
    const std::filesystem::path lock = LockFileOf(workbook);
    if (!std::filesystem::is_regular_file(lock, ec)) return std::nullopt;
    std::ifstream in(lock, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The profile folder that a lock names (its fifth field, a file URL); empty when it names none,
// as a lock that LibreOffice could not write, or one cut short.
inline std::filesystem::path LockProfile(std::string_view content) {
    std::size_t at = 0;
    for (int comma = 0; comma < 4; ++comma) {
        at = content.find(',', at);
        if (at == std::string_view::npos) return {};
        ++at;
    }
    const std::size_t end = content.find(';', at);
    if (end == std::string_view::npos) return {};
    std::string_view url = content.substr(at, end - at);
    constexpr std::string_view kScheme = "file://";
    if (url.substr(0, kScheme.size()) != kScheme) return {};
    url.remove_prefix(kScheme.size());
    std::string path;
    for (std::size_t i = 0; i < url.size(); ++i) {
        if (url[i] == '%' && i + 2 < url.size() &&
            std::isxdigit(static_cast<unsigned char>(url[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(url[i + 2]))) {
            path += static_cast<char>(std::stoi(std::string(url.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            path += url[i];
        }
    }
    if (path.empty() || path[0] != '/') return {};
    return path;
}

// Whether the folder `profile` is `ours` or lies in it.
inline bool SameOrInside(const std::filesystem::path& profile, const std::filesystem::path& ours) {
    auto bare = [](const std::filesystem::path& p) {
        std::string s = p.lexically_normal().string();
        while (s.size() > 1 && s.back() == '/')
            s.pop_back();
        return s;
    };
    const std::string a = bare(profile);
    const std::string b = bare(ours);
    return !b.empty() && (a == b || (a.size() > b.size() && a.compare(0, b.size(), b) == 0 &&
                                     a[b.size()] == '/'));
}

// Whether the lock `content` beside a workbook is the export's own: it names the export's
// profile `ours`, or it names none and was not there before the export worked on the workbook
// (LibreOffice made it and could not write it, as on a full disk). A lock that names another
// profile is another program's; one that was there before and names none is left alone too.
inline bool LockIsOurs(std::string_view content, bool there_before,
                       const std::filesystem::path& ours) {
    const std::filesystem::path profile = LockProfile(content);
    if (profile.empty()) return !there_before;
    return SameOrInside(profile, ours);
}

// A lock left by an export of this program whose LibreOffice was killed: it names one of the
// program's private profiles, and that folder is gone.
inline bool LockIsStale(std::string_view content) {
    const std::filesystem::path profile = LockProfile(content);
    std::error_code ec;
    return profile.string().find("/orvane-lo-") != std::string::npos &&
           !std::filesystem::exists(profile, ec);
}

// The locks beside the workbooks that one export works on.
class OwnLocks {
  public:
    explicit OwnLocks(std::filesystem::path profile = {}) : profile_(std::move(profile)) {}

    // Before an operation that may leave a lock beside `workbook`: notes whether one is there.
    // The first look counts.
    void Watch(const std::filesystem::path& workbook) {
        there_before_.emplace(workbook, ReadLock(workbook).has_value());
    }

    // Whether the lock now beside `workbook` is the export's own (no lock is nobody's).
    bool Ours(const std::filesystem::path& workbook) const {
        const std::optional<std::string> content = ReadLock(workbook);
        if (!content) return false;
        auto it = there_before_.find(workbook);
        return LockIsOurs(*content, it == there_before_.end() || it->second, profile_);
    }

    // Removes the export's own locks beside the workbooks it watched.
    void Release() {
        for (const auto& [workbook, there_before] : there_before_) {
            if (!Ours(workbook)) continue;
            std::error_code ec;
            std::filesystem::remove(LockFileOf(workbook), ec);
        }
    }

  private:
    std::filesystem::path profile_;
    std::map<std::filesystem::path, bool> there_before_;
};

}  // namespace orvane::calc
