#include "binary_stream.h"

#include <cstring>

namespace {
constexpr std::size_t kBufferSize = 1 << 20;
}

BinaryReader::BinaryReader(ByteSource& source)
    : source_(source), buffer_(new char[kBufferSize]), total_(source.size()) {}

bool BinaryReader::refill() {
    if (failed_) return false;
    begin_ = 0;
    end_ = source_.read(buffer_.get(), kBufferSize);
    if (end_ == 0) failed_ = true;
    return end_ != 0;
}

bool BinaryReader::readBytes(char* destination, std::size_t size) {
    while (size > 0) {
        if (begin_ == end_ && !refill()) return false;
        std::size_t chunk = end_ - begin_ < size ? end_ - begin_ : size;
        std::memcpy(destination, buffer_.get() + begin_, chunk);
        begin_ += chunk;
        consumed_ += chunk;
        destination += chunk;
        size -= chunk;
    }
    return true;
}

bool BinaryReader::readU16(std::uint16_t& value) {
    unsigned char bytes[2];
    if (!readBytes(reinterpret_cast<char*>(bytes), 2)) return false;
    value = static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
    return true;
}

bool BinaryReader::readU32(std::uint32_t& value) {
    unsigned char bytes[4];
    if (!readBytes(reinterpret_cast<char*>(bytes), 4)) return false;
    value = static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
            static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    return true;
}

bool BinaryReader::readI32(std::int32_t& value) {
    std::uint32_t raw;
    if (!readU32(raw)) return false;
    value = static_cast<std::int32_t>(raw);
    return true;
}

BinaryWriter::BinaryWriter(ByteSink& sink) : sink_(sink), buffer_(new char[kBufferSize]) {}

bool BinaryWriter::writeBytes(const char* bytes, std::size_t size) {
    if (failed_) return false;
    if (used_ + size > kBufferSize) {
        if (!flush()) return false;
        if (size >= kBufferSize) {
            failed_ = !sink_.write(bytes, size);
            return !failed_;
        }
    }
    std::memcpy(buffer_.get() + used_, bytes, size);
    used_ += size;
    return true;
}

bool BinaryWriter::writeU16(std::uint16_t value) {
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    return writeBytes(bytes, 2);
}

bool BinaryWriter::writeU32(std::uint32_t value) {
    const char bytes[4] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                           static_cast<char>((value >> 16) & 0xFF), static_cast<char>(value >> 24)};
    return writeBytes(bytes, 4);
}

bool BinaryWriter::flush() {
    if (failed_) return false;
    if (used_ > 0 && !sink_.write(buffer_.get(), used_)) failed_ = true;
    used_ = 0;
    return !failed_;
}
