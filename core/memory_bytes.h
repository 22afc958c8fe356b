#pragma once

// Byte sources and sinks in memory, for data that never touches a file.

#include <cstring>
#include <string>
#include <string_view>

#include "file_io.h"

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
    std::size_t read(char* buffer, std::size_t capacity) override {
        std::size_t chunk = capacity < bytes_.size() ? capacity : bytes_.size();
        std::memcpy(buffer, bytes_.data(), chunk);
        bytes_.remove_prefix(chunk);
        return chunk;
    }
    std::uint64_t size() const override { return bytes_.size(); }

private:
    std::string_view bytes_;
};

class MemorySink final : public ByteSink {
public:
    bool write(const char* bytes, std::size_t size) override {
        bytes_.append(bytes, size);
        return true;
    }
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};
