#include "text_input.h"

#include <cstring>

namespace {
// Big enough that a file system read is rare per byte; small enough to stay
// in the cache.
constexpr std::size_t kBlockSize = 1 << 16;
// Bytes kept in front of the unread ones when refilling, so that unget()
// still finds the byte it puts back.
constexpr std::size_t kKeep = 1;
}  // namespace

TextInput::TextInput(const std::string& path)
    : file_(std::make_unique<InputFile>()), path_(path), buffer_(new char[kKeep + kBlockSize + 1]) {
    result_ = file_->open(path);
    if (result_) source_ = file_.get();
}

TextInput::TextInput(ByteSource& source) : source_(&source), buffer_(new char[kKeep + kBlockSize + 1]) {}

void TextInput::close() {
    if (file_) file_->close();
    source_ = nullptr;
    position_ = end_ = 0;
    ended_ = true;
}

bool TextInput::refill() {
    if (source_ == nullptr) {
        ended_ = true;
        return false;
    }
    // Keep the unread bytes and one byte before them.
    std::size_t keepFrom = position_ >= kKeep ? position_ - kKeep : 0;
    std::size_t kept = end_ - keepFrom;
    std::memmove(buffer_.get(), buffer_.get() + keepFrom, kept);
    position_ -= keepFrom;
    end_ = kept;
    std::size_t got = readSource(buffer_.get() + end_, kKeep + kBlockSize - end_);
    if (got == 0) {
        ended_ = true;
        return false;
    }
    end_ += got;
    return true;
}

std::size_t TextInput::readSource(char* buffer, std::size_t capacity) {
    const std::size_t got = source_->read(buffer, capacity);
    bytesRead_ += got;
    if (got == 0 && source_->failed() && result_) {
        result_ = Result::failure(ResultStatus::ReadFailed, {}, bytesRead_);
        if (file_) result_.path = path_;
    }
    return got;
}

int TextInput::afterCarriageReturn() {
    if (position_ == end_) refill();
    if (position_ < end_ && buffer_[position_] == '\n') {
        ++position_;
        return '\n';
    }
    return '\r';
}

int TextInput::appendUntil(std::string& out, const ByteSet& stops) {
    for (;;) {
        const char* data = buffer_.get();
        std::size_t scan = position_;
        while (scan < end_) {
            auto byte = static_cast<unsigned char>(data[scan]);
            if (stops.contains(byte) || byte == '\r') break;
            ++scan;
        }
        out.append(data + position_, scan - position_);
        position_ = scan;
        if (position_ == end_) {
            if (!refill()) return kEnd;
            continue;
        }
        auto byte = static_cast<unsigned char>(data[position_]);
        if (byte != '\r') return byte;
        int translated = get();  // CR, or the LF of a CR LF pair
        if (stops.contains(static_cast<unsigned char>(translated))) {
            unget();
            return translated;
        }
        out += static_cast<char>(translated);
    }
}

bool TextInput::readLine(std::string& line) {
    static constexpr ByteSet kLineFeed{'\n'};
    line.clear();
    int stop = appendUntil(line, kLineFeed);
    if (stop == kEnd) return !line.empty();
    get();
    return true;
}

bool TextInput::skipUtf8Mark() {
    while (end_ - position_ < 3 && source_ != nullptr) {
        std::size_t got = readSource(buffer_.get() + end_, kKeep + kBlockSize - end_);
        if (got == 0) break;
        end_ += got;
    }
    if (end_ - position_ >= 3 && std::memcmp(buffer_.get() + position_, "\xEF\xBB\xBF", 3) == 0) {
        position_ += 3;
        return true;
    }
    return false;
}
