#include "limits/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "base/fault.h"

namespace orvane {
namespace {

[[noreturn]] void RaiseErrno(int error) {
    Raise(FaultNumberForErrno(error));
}

void CheckHandle(int handle) {
    if (handle <= 0) Raise(fault::kBadFileNameOrNumber);
}

}  // namespace

int FaultNumberForErrno(int error) {
    switch (error) {
        case ENOENT:
            return fault::kFileNotFound;
        case ENOTDIR:
            return fault::kPathNotFound;
        case EACCES:
        case EPERM:
        case ETXTBSY:
            return fault::kPermissionDenied;
        case EROFS:
        case EISDIR:
        case ENAMETOOLONG:
        case ELOOP:
        case EINVAL:
            return fault::kPathFileAccess;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return fault::kDiskFull;
        case EMFILE:
        case ENFILE:
            return fault::kTooManyFiles;
        case EEXIST:
            return fault::kFileAlreadyExists;
        case EBADF:
            return fault::kBadFileNameOrNumber;
        case ENOMEM:
            return fault::kOutOfMemory;
        default:
            return fault::kDeviceIo;
    }
}

int PosixFileSystem::Open(const std::string& path, OpenMode mode) {
    int flags = O_CLOEXEC | O_CREAT;
    flags |= mode == OpenMode::ReadWrite ? O_RDWR : (O_WRONLY | O_TRUNC);
    int fd;
    do {
        fd = ::open(path.c_str(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) RaiseErrno(errno);
    if (fd == 0) {  // keep handle 0 free as "no file"
        int other = ::fcntl(fd, F_DUPFD_CLOEXEC, 1);
        int error = errno;
        ::close(fd);
        if (other < 0) RaiseErrno(error);
        fd = other;
    }
    return fd;
}

void PosixFileSystem::Close(int handle) {
    CheckHandle(handle);
    // A close interrupted by a signal has still released the descriptor on Linux.
    if (::close(handle) != 0 && errno != EINTR) RaiseErrno(errno);
}

std::int64_t PosixFileSystem::Size(int handle) {
    CheckHandle(handle);
    struct stat st {};
    if (::fstat(handle, &st) != 0) RaiseErrno(errno);
    return st.st_size;
}

std::size_t PosixFileSystem::ReadAt(int handle, std::int64_t offset, std::span<char> buffer) {
    CheckHandle(handle);
    std::size_t done = 0;
    while (done < buffer.size()) {
        ssize_t n = ::pread(handle, buffer.data() + done, buffer.size() - done,
                            static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
        if (n < 0) {
            if (errno == EINTR) continue;
            RaiseErrno(errno);
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void PosixFileSystem::WriteAt(int handle, std::int64_t offset, std::span<const char> data) {
    CheckHandle(handle);
    std::size_t done = 0;
    while (done < data.size()) {
        ssize_t n = ::pwrite(handle, data.data() + done, data.size() - done,
                             static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
        if (n < 0) {
            if (errno == EINTR) continue;
            RaiseErrno(errno);
        }
        if (n == 0) Raise(fault::kDiskFull);
        done += static_cast<std::size_t>(n);
    }
}

void PosixFileSystem::Reserve(int handle, std::int64_t offset, std::int64_t length) {
    CheckHandle(handle);
    if (length <= 0) return;
    int rc;
    do {
        rc = ::fallocate(handle, FALLOC_FL_KEEP_SIZE, static_cast<off_t>(offset),
                         static_cast<off_t>(length));
    } while (rc != 0 && errno == EINTR);
    if (rc != 0 && errno != EOPNOTSUPP && errno != ENOSYS) RaiseErrno(errno);
}

void PosixFileSystem::Truncate(int handle, std::int64_t length) {
    CheckHandle(handle);
    int rc;
    do {
        rc = ::ftruncate(handle, static_cast<off_t>(length));
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) RaiseErrno(errno);
}

void PosixFileSystem::Sync(int handle) {
    CheckHandle(handle);
    if (::fsync(handle) != 0) RaiseErrno(errno);
}

bool PosixFileSystem::Exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

void PosixFileSystem::Remove(const std::string& path) {
    if (::unlink(path.c_str()) != 0) RaiseErrno(errno);
}

void PosixFileSystem::Replace(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) RaiseErrno(errno);
}

void PosixFileSystem::SyncFolder(const std::string& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) RaiseErrno(errno);
    int rc = ::fsync(fd);
    int error = errno;
    ::close(fd);
    // Some file systems cannot sync a folder; the rename itself has been made.
    if (rc != 0 && error != EINVAL && error != ENOTSUP) RaiseErrno(error);
}

std::string PosixFileSystem::RealPath(const std::string& path) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) RaiseErrno(errno);
    std::string result(real);
    std::free(real);
    return result;
}

void PosixFileSystem::CopyModeAndOwner(int from, int to) {
    CheckHandle(from);
    CheckHandle(to);
    struct stat source {};
    struct stat target {};
    if (::fstat(from, &source) != 0 || ::fstat(to, &target) != 0) RaiseErrno(errno);
    // Only a change of owner needs the right to give a file away; the same owner is kept free.
    if ((source.st_uid != target.st_uid || source.st_gid != target.st_gid) &&
        ::fchown(to, source.st_uid, source.st_gid) != 0) {
        RaiseErrno(errno);
    }
    // After the owner: a change of owner clears the set-user and set-group bits.
    if (::fchmod(to, source.st_mode & 07777) != 0) RaiseErrno(errno);
}

FileSystem& DefaultFileSystem() {
    static PosixFileSystem fs;
    return fs;
}

}  // namespace orvane
