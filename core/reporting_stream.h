#pragma once

// A file's source or sink that tells a progress how many bytes went through:
// of the source's size when reading, of an unknown total when writing.

#include "core/file_io.h"
#include "core/progress.h"

class ReportingSource final : public ByteSource {
public:
    ReportingSource(ByteSource& source, Progress& progress) : source_(source), progress_(progress) {}
    std::size_t read(char* buffer, std::size_t capacity) override {
        const std::size_t got = source_.read(buffer, capacity);
        progress_.advance(read_ += got, source_.size());
        return got;
    }
    bool failed() const override { return source_.failed(); }
    std::uint64_t size() const override { return source_.size(); }

private:
    ByteSource& source_;
    Progress& progress_;
    std::uint64_t read_ = 0;
};

class ReportingSink final : public ByteSink {
public:
    ReportingSink(ByteSink& sink, Progress& progress) : sink_(sink), progress_(progress) {}
    bool write(const char* bytes, std::size_t size) override {
        progress_.advance(written_ += size, 0);
        return sink_.write(bytes, size);
    }

private:
    ByteSink& sink_;
    Progress& progress_;
    std::uint64_t written_ = 0;
};
