#include "binary_stream.h"

#include <cstring>
#include <utility>

namespace {
constexpr std::size_t kMaxBuffer = 256 << 10;
constexpr std::size_t kFirstWriteBuffer = 4 << 10;

// Small sources (clipboard data, tests, fuzzing) get small buffers.
std::size_t readBufferSize(std::uint64_t sourceSize) {
    return sourceSize < kMaxBuffer ? static_cast<std::size_t>(sourceSize) + 1 : kMaxBuffer;
}
}  // namespace

BinaryReader::BinaryReader(ByteSource& source)
    : source_(source),
      bufferSize_(readBufferSize(source.size())),
      buffer_(new char[bufferSize_ + kReadAhead]()),
      total_(source.size()) {}

bool BinaryReader::refill() {
    if (failed_) return false;
    begin_ = 0;
    end_ = source_.read(buffer_.get(), bufferSize_);
    return end_ != 0;
}

void BinaryReader::fail(ResultStatus status, std::uint64_t at) {
    if (status_ != ResultStatus::Ok) return;
    failed_ = true;
    status_ = status;
    failedAt_ = at;
}

Result BinaryReader::result() const {
    Result result;
    result.status = status_;
    result.offset = failedAt_;
    return result;
}

bool BinaryReader::readBytes(char* destination, std::size_t size) {
    const std::uint64_t start = consumed_;
    while (size > 0) {
        if (begin_ == end_ && !refill()) {
            if (source_.failed())
                fail(ResultStatus::ReadFailed, consumed_);
            else
                fail(ResultStatus::Damaged, start);
            return false;
        }
        std::size_t chunk = end_ - begin_ < size ? end_ - begin_ : size;
        std::memcpy(destination, buffer_.get() + begin_, chunk);
        begin_ += chunk;
        consumed_ += chunk;
        destination += chunk;
        size -= chunk;
    }
    return true;
}

BinaryWriter::BinaryWriter(ByteSink& sink)
    : sink_(sink), capacity_(kFirstWriteBuffer), buffer_(new char[capacity_]) {}

bool BinaryWriter::makeRoom(std::size_t size) {
    if (failed_) return false;
    // The buffer grows with the output, so short outputs stay cheap.
    while (used_ + size > capacity_ && capacity_ < kMaxBuffer) {
        std::unique_ptr<char[]> larger(new char[capacity_ * 2]);
        std::memcpy(larger.get(), buffer_.get(), used_);
        buffer_ = std::move(larger);
        capacity_ *= 2;
    }
    return used_ + size <= capacity_ || flush();
}

bool BinaryWriter::writeUnbuffered(const char* bytes, std::size_t size) {
    if (failed_) return false;
    failed_ = !sink_.write(bytes, size);
    return !failed_;
}

bool BinaryWriter::flush() {
    if (failed_) return false;
    if (used_ > 0 && !sink_.write(buffer_.get(), used_)) failed_ = true;
    used_ = 0;
    return !failed_;
}
