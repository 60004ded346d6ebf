#pragma once
// Shared pieces of the limit file tests: the scripted platform's boxes and beep, a scratch
// folder, raw file access and a file system whose operations can be made to fail.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "base/fault.h"
#include "limits/data_file.h"
#include "limits/file_system.h"
#include "tests/support/fakes.h"

namespace orvane::testing {

using ScriptedBoxes = fakes::ScriptedMessageBoxes;
using fakes::CountingBeeper;

// A fresh folder under the system's temporary folder, removed afterwards.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvane-limits-XXXXXX");
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::filesystem::path& p, std::string_view bytes) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string ReadBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// One stored record, written out by hand: each field padded to its width.
inline std::string Rec(std::string_view year, std::string_view b30, std::string_view y1,
                       std::string_view y2, std::string_view y3, std::string_view y4,
                       std::string_view b50) {
    std::string r;
    auto put = [&](std::string_view text, std::size_t width) {
        std::string f(text.substr(0, width));
        f.resize(width, ' ');
        r += f;
    };
    put(year, 4);
    for (std::string_view a : {b30, y1, y2, y3, y4, b50})
        put(a, 5);
    return r;
}

// Record n of the tests' files: the year 2000 + n and n as its 30% amount.
inline std::string Numbered(int n) {
    return Rec(std::to_string(2000 + n), std::to_string(n), "3060", "4900", "2950", "1775", "0");
}

inline std::string Records(std::initializer_list<int> numbers) {
    std::string bytes;
    for (int n : numbers)
        bytes += Numbered(n);
    return bytes;
}

// The real file system, with a hook called before every operation ("open", "write", "replace"
// ...): it may throw a Fault to make the operation fail, or stop the process. With
// `after_half_write` set, a write stores its first half and calls it before the rest.
class HookedFileSystem : public FileSystem {
  public:
    std::function<void(std::string_view op)> before;
    std::function<void()> after_half_write;

    int Open(const std::string& path, OpenMode mode) override {
        return Hook("open").Open(path, mode);
    }
    void Close(int handle) override { Hook("close").Close(handle); }
    std::int64_t Size(int handle) override { return Hook("size").Size(handle); }
    std::size_t ReadAt(int handle, std::int64_t offset, std::span<char> buffer) override {
        return Hook("read").ReadAt(handle, offset, buffer);
    }
    void WriteAt(int handle, std::int64_t offset, std::span<const char> data) override {
        Hook("write");
        if (after_half_write && data.size() > 1) {
            real_.WriteAt(handle, offset, data.first(data.size() / 2));
            after_half_write();
        }
        real_.WriteAt(handle, offset, data);
    }
    void Reserve(int handle, std::int64_t offset, std::int64_t length) override {
        Hook("reserve").Reserve(handle, offset, length);
    }
    void Truncate(int handle, std::int64_t length) override {
        Hook("truncate").Truncate(handle, length);
    }
    void Sync(int handle) override { Hook("sync").Sync(handle); }
    bool Exists(const std::string& path) override { return Hook("exists").Exists(path); }
    void Remove(const std::string& path) override { Hook("remove").Remove(path); }
    void Replace(const std::string& from, const std::string& to) override {
        Hook("replace").Replace(from, to);
    }
    void SyncFolder(const std::string& folder) override { Hook("syncfolder").SyncFolder(folder); }
    std::string RealPath(const std::string& path) override {
        return Hook("realpath").RealPath(path);
    }
    void CopyModeAndOwner(int from, int to) override {
        Hook("modeowner").CopyModeAndOwner(from, to);
    }

  private:
    PosixFileSystem& Hook(std::string_view op) {
        if (before) before(op);
        return real_;
    }
    PosixFileSystem real_;
};

}  // namespace orvane::testing
