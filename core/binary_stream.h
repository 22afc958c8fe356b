#pragma once

// Buffered little-endian readers and writers over a byte source or sink, for
// the binary collection file. The reader knows how many bytes remain, so a
// length read from the file can be checked before anything is allocated.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "file_io.h"

class BinaryReader {
public:
    explicit BinaryReader(ByteSource& source);

    bool readU16(std::uint16_t& value);
    bool readU32(std::uint32_t& value);
    bool readI32(std::int32_t& value);
    // Reads exactly `size` bytes; false (and the reader failed) on a short read.
    bool readBytes(char* destination, std::size_t size);
    // Reads `size` bytes without copying them when the buffer holds them
    // whole: a view valid until the next read. False, reading nothing, when
    // it does not.
    bool readBytesInPlace(std::size_t size, std::string_view& bytes);
    // Bytes not yet read, as far as the source's size tells.
    std::uint64_t remaining() const { return total_ - consumed_; }
    // Bytes read so far: the offset of the next byte.
    std::uint64_t offset() const { return consumed_; }
    bool failed() const { return failed_; }
    // Marks the reader failed for a reason of the format's own; the first
    // failure is the one its result keeps.
    void fail(ResultStatus status, std::uint64_t at);
    // Ok, or why and where reading stopped: Damaged at the start of the value
    // that could not be read whole, ReadFailed where the source failed.
    Result result() const;

private:
    bool refill();

    ByteSource& source_;
    std::size_t bufferSize_;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::uint64_t total_;
    std::uint64_t consumed_ = 0;
    bool failed_ = false;
    ResultStatus status_ = ResultStatus::Ok;
    std::uint64_t failedAt_ = 0;
};

class BinaryWriter {
public:
    explicit BinaryWriter(ByteSink& sink);
    BinaryWriter(const BinaryWriter&) = delete;
    BinaryWriter& operator=(const BinaryWriter&) = delete;

    bool writeU16(std::uint16_t value);
    bool writeU32(std::uint32_t value);
    bool writeI32(std::int32_t value) { return writeU32(static_cast<std::uint32_t>(value)); }
    bool writeBytes(const char* bytes, std::size_t size);
    // Hands what is buffered to the sink; false once anything failed.
    bool flush();
    bool failed() const { return failed_; }

private:
    ByteSink& sink_;
    std::size_t capacity_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
    bool failed_ = false;
};
