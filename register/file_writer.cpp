#include "register/file_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace orvane::reg {

FileWriter::~FileWriter() {
    if (fd_ >= 0) Close();
}

bool FileWriter::Open(const std::filesystem::path& path) {
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) return false;
    // Not every file system takes O_DIRECT (tmpfs does not): then through the page cache.
    const int flags = ::fcntl(fd_, F_GETFL);
    direct_ = flags >= 0 && ::fcntl(fd_, F_SETFL, flags | O_DIRECT) == 0;
    void* memory = std::aligned_alloc(4096, 2 * kPiece);
    if (!memory) {
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    memory_ = {static_cast<char*>(memory), std::free};
    pieces_[0] = {memory_.get(), 0};
    pieces_[1] = {memory_.get() + kPiece, 0};
    thread_ = std::thread([this] { Run(); });
    return true;
}

void FileWriter::Write(std::string_view text) {
    while (!text.empty()) {
        Piece& p = pieces_[filling_];
        const std::size_t n = std::min(text.size(), kPiece - p.size);
        std::memcpy(p.data + p.size, text.data(), n);
        p.size += n;
        text.remove_prefix(n);
        if (p.size == kPiece) Hand(p);
    }
}

void FileWriter::Hand(Piece& piece) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return handed_ == nullptr; });
    handed_ = &piece;
    filling_ = 1 - filling_;
    changed_.notify_all();
}

void FileWriter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return handed_ != nullptr || stop_; });
        if (!handed_) return;
        Piece& p = *handed_;
        lock.unlock();
        if (!WriteAt(p.data, p.size)) failed_ = true;
        p.size = 0;
        lock.lock();
        handed_ = nullptr;
        changed_.notify_all();
    }
}

bool FileWriter::WriteAt(const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::pwrite(fd_, data, size, offset_);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EINVAL && direct_) {
            // Taken on opening, refused on writing: through the page cache after all.
            const int flags = ::fcntl(fd_, F_GETFL);
            direct_ = false;
            if (flags >= 0 && ::fcntl(fd_, F_SETFL, flags & ~O_DIRECT) == 0) continue;
        }
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
        offset_ += n;
    }
    return true;
}

bool FileWriter::Close() {
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return handed_ == nullptr; });
        stop_ = true;
        changed_.notify_all();
    }
    thread_.join();
    // The last piece is shorter than a block: written through the page cache.
    Piece& last = pieces_[filling_];
    if (direct_) {
        const int flags = ::fcntl(fd_, F_GETFL);
        if (flags < 0 || ::fcntl(fd_, F_SETFL, flags & ~O_DIRECT) != 0) failed_ = true;
    }
    if (!failed_ && !WriteAt(last.data, last.size)) failed_ = true;
    if (::close(fd_) != 0) failed_ = true;
    fd_ = -1;
    return !failed_;
}

}  // namespace orvane::reg
