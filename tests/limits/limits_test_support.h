#pragma once
// Shared pieces of the limit file tests: scripted message boxes, a counting beep, a scratch
// folder, raw file access and a file system whose operations can be made to fail.

#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/fault.h"
#include "limits/data_file.h"
#include "limits/file_system.h"
#include "platform/services.h"

namespace orvane::testing {

struct Shown {
    std::string text;
    std::string title;
    MsgButtons buttons;
};

// Answers questions from a queue (Yes when it runs dry) and records every box.
class ScriptedBoxes : public MessageBoxes {
  public:
    MsgAnswer Show(std::string_view text, std::string_view title, MsgButtons buttons) override {
        shown.push_back({std::string(text), std::string(title), buttons});
        if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
        if (answers.empty()) return MsgAnswer::Yes;
        MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> t;
        for (const Shown& s : shown)
            t.push_back(s.text);
        return t;
    }
    std::deque<MsgAnswer> answers;
    std::vector<Shown> shown;
};

class CountingBeeper : public Beeper {
  public:
    void Beep() override { ++beeps; }
    int beeps = 0;
};

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
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
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

// The real file system, with a hook called before every operation. The hook may throw a Fault
// to make the operation fail, or stop the process. `path` is the file the operation is about.
class HookedFileSystem : public FileSystem {
  public:
    using Hook = std::function<void(std::string_view op, const std::string& path)>;
    Hook before;
    // When set, a write to a matching path writes only its first half and calls this.
    std::function<void(std::string_view op, const std::string& path)> after_half_write;

    int Open(const std::string& path, OpenMode mode) override {
        Call("open", path);
        int h = real_.Open(path, mode);
        paths_[h] = path;
        return h;
    }
    void Close(int handle) override {
        Call("close", PathOf(handle));
        real_.Close(handle);
        paths_.erase(handle);
    }
    std::int64_t Size(int handle) override {
        Call("size", PathOf(handle));
        return real_.Size(handle);
    }
    std::size_t ReadAt(int handle, std::int64_t offset, std::span<char> buffer) override {
        Call("read", PathOf(handle));
        return real_.ReadAt(handle, offset, buffer);
    }
    void WriteAt(int handle, std::int64_t offset, std::span<const char> data) override {
        Call("write", PathOf(handle));
        if (after_half_write && data.size() > 1) {
            real_.WriteAt(handle, offset, data.first(data.size() / 2));
            after_half_write("write", PathOf(handle));
        }
        real_.WriteAt(handle, offset, data);
    }
    void Sync(int handle) override {
        Call("sync", PathOf(handle));
        real_.Sync(handle);
    }
    bool Exists(const std::string& path) override {
        Call("exists", path);
        return real_.Exists(path);
    }
    void Remove(const std::string& path) override {
        Call("remove", path);
        real_.Remove(path);
    }
    void Replace(const std::string& from, const std::string& to) override {
        Call("replace", from);
        real_.Replace(from, to);
    }
    void SyncFolder(const std::string& folder) override {
        Call("syncfolder", folder);
        real_.SyncFolder(folder);
    }

    int calls = 0;

  private:
    void Call(std::string_view op, const std::string& path) {
        ++calls;
        if (before) before(op, path);
    }
    std::string PathOf(int handle) const {
        auto it = paths_.find(handle);
        return it == paths_.end() ? std::string() : it->second;
    }
    PosixFileSystem real_;
    std::map<int, std::string> paths_;
};

inline bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

}  // namespace orvane::testing
