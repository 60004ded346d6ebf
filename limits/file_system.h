#pragma once
// The handful of file operations the limit files need, behind an interface so that tests can
// make any one of them fail (a full disk, a refused rename) or stop the process in the middle.
// Every failure is raised as a Fault with the program's file fault numbers.

#include <cstdint>
#include <span>
#include <string>

namespace orvane {

enum class OpenMode {
    ReadWrite,  // read and write, a missing file is created empty
    Replace,    // write only, created or emptied
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // Returns a handle (> 0).
    virtual int Open(const std::string& path, OpenMode mode) = 0;
    virtual void Close(int handle) = 0;
    virtual std::int64_t Size(int handle) = 0;
    // Reads up to buffer.size() bytes at offset; fewer at the end of the file.
    virtual std::size_t ReadAt(int handle, std::int64_t offset, std::span<char> buffer) = 0;
    // Writes all of data at offset; a gap past the end reads back as zero bytes.
    virtual void WriteAt(int handle, std::int64_t offset, std::span<const char> data) = 0;
    // Sets aside the disk space of `length` bytes from `offset` without changing the file's
    // size, so that a write there cannot fail for want of space. A full disk raises fault 61; a
    // file system that cannot set space aside leaves it to the write to find out.
    virtual void Reserve(int handle, std::int64_t offset, std::int64_t length) = 0;
    // Cuts the file to `length` bytes.
    virtual void Truncate(int handle, std::int64_t length) = 0;
    // Forces the file's data to the disk.
    virtual void Sync(int handle) = 0;
    virtual bool Exists(const std::string& path) = 0;
    virtual void Remove(const std::string& path) = 0;
    // Renames from over to in one step: afterwards `to` is either the old file or the new one.
    virtual void Replace(const std::string& from, const std::string& to) = 0;
    // Forces a folder's entries (a rename in it) to the disk.
    virtual void SyncFolder(const std::string& folder) = 0;
    // The file that `path` names, with every symbolic link on the way followed.
    virtual std::string RealPath(const std::string& path) = 0;
    // Gives the file `to` the permission bits, owner and group of the file `from`.
    virtual void CopyModeAndOwner(int from, int to) = 0;
};

// The real file system through POSIX calls.
class PosixFileSystem : public FileSystem {
  public:
    int Open(const std::string& path, OpenMode mode) override;
    void Close(int handle) override;
    std::int64_t Size(int handle) override;
    std::size_t ReadAt(int handle, std::int64_t offset, std::span<char> buffer) override;
    void WriteAt(int handle, std::int64_t offset, std::span<const char> data) override;
    void Reserve(int handle, std::int64_t offset, std::int64_t length) override;
    void Truncate(int handle, std::int64_t length) override;
    void Sync(int handle) override;
    bool Exists(const std::string& path) override;
    void Remove(const std::string& path) override;
    void Replace(const std::string& from, const std::string& to) override;
    void SyncFolder(const std::string& folder) override;
    std::string RealPath(const std::string& path) override;
    void CopyModeAndOwner(int from, int to) override;
};

// The process-wide real file system.
FileSystem& DefaultFileSystem();

// The program's fault number for a C library error number (ENOSPC gives 61 "Disk full").
int FaultNumberForErrno(int error);

}  // namespace orvane
