#pragma once

// The thin seam between the portable code and the file system: one POSIX and
// one Windows implementation. Paths are byte strings in the ANSI code page on
// Windows and in the file system's own encoding elsewhere.

#include <cstddef>
#include <cstdint>
#include <string>

#include "result.h"

// Where bytes come from: a file, or memory in tests.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to `capacity` bytes; answers how many, 0 at the end or on
    // error. failed() tells the two apart.
    virtual std::size_t read(char* buffer, std::size_t capacity) = 0;
    // True once a read failed: what followed could not be read, it did not end.
    virtual bool failed() const { return false; }
    // The number of bytes the source holds in all, as known when it was opened.
    virtual std::uint64_t size() const = 0;
};

// Where bytes go.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Writes all `size` bytes; false when any could not be written.
    virtual bool write(const char* bytes, std::size_t size) = 0;
};

// Up to `limit` bytes from where the source stands; fewer at its end.
inline std::string readUpTo(ByteSource& source, std::size_t limit) {
    std::string bytes(limit, '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const std::size_t read = source.read(bytes.data() + got, bytes.size() - got);
        if (read == 0) break;
        got += read;
    }
    bytes.resize(got);
    return bytes;
}

class InputFile final : public ByteSource {
public:
    InputFile() = default;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile() override { close(); }

    // NotFound when nothing is at `path`, NoAccess when something is that
    // cannot be read (no permission, a folder, locked by another program).
    Result open(const std::string& path);
    bool isOpen() const { return handle_ != kClosed; }
    std::size_t read(char* buffer, std::size_t capacity) override;
    bool failed() const override { return failed_; }
    std::uint64_t size() const override { return size_; }
    void close();

private:
    static constexpr std::intptr_t kClosed = -1;
    std::intptr_t handle_ = kClosed;
    std::uint64_t size_ = 0;
    bool failed_ = false;
};

class OutputFile final : public ByteSink {
public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile() override { close(); }

    // Creates a file that must not exist yet.
    bool createNew(const std::string& path);
    bool isOpen() const { return handle_ != kClosed; }
    bool write(const char* bytes, std::size_t size) override;
    // Pushes the data to the disk and closes the file. False when either step
    // failed: a full disk may only show here.
    bool flushAndClose();
    void close();

private:
    static constexpr std::intptr_t kClosed = -1;
    std::intptr_t handle_ = kClosed;
};

// Moves `source` over `target` in one step, replacing a file already there,
// whose permissions (on Windows also its attributes and streams) the new
// file keeps.
bool replaceFile(const std::string& source, const std::string& target);
bool removeFile(const std::string& path);
// A number that differs between processes running at once.
unsigned long currentProcessId();
