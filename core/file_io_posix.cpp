#include "file_io.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Result InputFile::open(const std::string& path) {
    close();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        // ENOTDIR: a file stands where the path needs a folder, so nothing is there.
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        return Result::failure(missing ? ResultStatus::NotFound : ResultStatus::NoAccess, path);
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return Result::failure(ResultStatus::NoAccess, path);
    }
    handle_ = fd;
    size_ = static_cast<std::uint64_t>(info.st_size);
    return {};
}

std::size_t InputFile::read(char* buffer, std::size_t capacity) {
    if (handle_ == kClosed || failed_) return 0;
    for (;;) {
        ssize_t got = ::read(static_cast<int>(handle_), buffer, capacity);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno != EINTR) {
            failed_ = true;
            return 0;
        }
    }
}

void InputFile::close() {
    if (handle_ != kClosed) ::close(static_cast<int>(handle_));
    handle_ = kClosed;
    size_ = 0;
    failed_ = false;
}

bool OutputFile::createNew(const std::string& path) {
    close();
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    handle_ = fd;
    return true;
}

bool OutputFile::write(const char* bytes, std::size_t size) {
    if (handle_ == kClosed) return false;
    while (size > 0) {
        ssize_t put = ::write(static_cast<int>(handle_), bytes, size);
        if (put < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

bool OutputFile::flushAndClose() {
    if (handle_ == kClosed) return false;
    int fd = static_cast<int>(handle_);
    handle_ = kClosed;
    bool synced = ::fsync(fd) == 0;
    bool closed = ::close(fd) == 0;
    return synced && closed;
}

void OutputFile::close() {
    if (handle_ != kClosed) ::close(static_cast<int>(handle_));
    handle_ = kClosed;
}

bool replaceFile(const std::string& source, const std::string& target) {
    // The new file would otherwise get the default permissions, and a private
    // file (0600) would become readable by everyone. A failed chmod leaves
    // those defaults; the new content matters more than its mode.
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        (void)::chmod(source.c_str(), existing.st_mode & 07777);
    return std::rename(source.c_str(), target.c_str()) == 0;
}

bool removeFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

unsigned long currentProcessId() { return static_cast<unsigned long>(::getpid()); }
