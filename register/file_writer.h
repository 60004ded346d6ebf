#pragma once
// A large output file written behind the computation: the text is gathered in pieces of 1 MB
// that a thread of its own writes while the next piece fills. Where the file system allows it
// the pieces bypass the page cache (O_DIRECT): on the machines measured, copying a gigabyte of
// schedules into the page cache cost more processor time than computing them.

#include <condition_variable>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>

namespace orvane::reg {

class FileWriter {
  public:
    FileWriter() = default;
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;
    ~FileWriter();

    // Creates (or empties) the file; false when it cannot.
    bool Open(const std::filesystem::path& path);
    void Write(std::string_view text);
    // Writes what is left and closes the file; false when anything could not be written.
    bool Close();

  private:
    static constexpr std::size_t kPiece = std::size_t{1} << 20;  // a multiple of any block size
    struct Piece {
        char* data = nullptr;
        std::size_t size = 0;
    };
    void Hand(Piece& piece);  // to the thread, and waits for the other piece to be free
    void Run();
    bool WriteAt(const char* data, std::size_t size);

    int fd_ = -1;
    bool direct_ = false;
    std::unique_ptr<char, void (*)(void*)> memory_{nullptr, nullptr};
    Piece pieces_[2];
    int filling_ = 0;
    long long offset_ = 0;  // where the next piece goes (the thread's)
    bool failed_ = false;   // the thread's

    std::mutex mutex_;
    std::condition_variable changed_;
    Piece* handed_ = nullptr;  // the piece being written; nullptr: none
    bool stop_ = false;
    std::thread thread_;
};

}  // namespace orvane::reg
