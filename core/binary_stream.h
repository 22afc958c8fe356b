#pragma once

// Buffered little-endian readers and writers over a byte source or sink, for
// the binary collection file. The reader knows how many bytes remain, so a
// length read from the file can be checked before anything is allocated.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "file_io.h"

class BinaryReader {
public:
    explicit BinaryReader(ByteSource& source);

    bool readU16(std::uint16_t& value) {
        unsigned char bytes[2];
        if (!readFixed(bytes)) return false;
        value = static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
        return true;
    }
    bool readU32(std::uint32_t& value) {
        unsigned char bytes[4];
        if (!readFixed(bytes)) return false;
        value = static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
                static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
        return true;
    }
    bool readI32(std::int32_t& value) {
        std::uint32_t raw;
        if (!readU32(raw)) return false;
        value = static_cast<std::int32_t>(raw);
        return true;
    }
    // Reads exactly `size` bytes; false (and the reader failed) on a short read.
    bool readBytes(char* destination, std::size_t size);
    // Reads `size` bytes without copying them when the buffer holds them
    // whole: a view valid until the next read, followed by at least
    // kReadAhead bytes that may be read (whatever they hold). False, reading
    // nothing, when it does not.
    bool readBytesInPlace(std::size_t size, std::string_view& bytes) {
        if (end_ - begin_ < size) return false;
        bytes = std::string_view(buffer_.get() + begin_, size);
        begin_ += size;
        consumed_ += size;
        return true;
    }
    static constexpr std::size_t kReadAhead = 64;
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
    // Integers are read a million times a file: straight from the buffer
    // while it holds them.
    template <std::size_t Size>
    bool readFixed(unsigned char (&bytes)[Size]) {
        if (end_ - begin_ < Size) return readBytes(reinterpret_cast<char*>(bytes), Size);
        std::memcpy(bytes, buffer_.get() + begin_, Size);
        begin_ += Size;
        consumed_ += Size;
        return true;
    }

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

    bool writeU16(std::uint16_t value) {
        char* to = room(2);
        if (!to) return false;
        to[0] = static_cast<char>(value & 0xFF);
        to[1] = static_cast<char>(value >> 8);
        advance(2);
        return true;
    }
    bool writeU32(std::uint32_t value) {
        char* to = room(4);
        if (!to) return false;
        storeU32(to, value);
        advance(4);
        return true;
    }
    bool writeI32(std::int32_t value) { return writeU32(static_cast<std::uint32_t>(value)); }
    bool writeBytes(const char* bytes, std::size_t size) {
        char* const to = room(size);
        if (!to) return writeUnbuffered(bytes, size);
        std::memcpy(to, bytes, size);
        advance(size);
        return true;
    }
    // Room for `size` bytes at the end of the output, to be written in place
    // and kept with advance(); null when the writer has failed or the buffer
    // can never hold that much (writeBytes takes any size).
    char* room(std::size_t size) {
        if (!failed_ && used_ + size <= capacity_) return buffer_.get() + used_;
        return makeRoom(size) && size <= capacity_ ? buffer_.get() + used_ : nullptr;
    }
    void advance(std::size_t size) { used_ += size; }
    // `value` little-endian at `to`.
    static void storeU32(char* to, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) to[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    // Hands what is buffered to the sink; false once anything failed.
    bool flush();
    bool failed() const { return failed_; }

private:
    // Grows or empties the buffer until `size` more bytes fit, as far as they can.
    bool makeRoom(std::size_t size);
    // Hands more than the buffer holds to the sink.
    bool writeUnbuffered(const char* bytes, std::size_t size);

    ByteSink& sink_;
    std::size_t capacity_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
    bool failed_ = false;
};
