#include "text_input.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
// Large enough that a file system read is rare per byte; small enough to
// stay in the cache.
constexpr std::size_t kBlockSize = 1 << 18;
// Bytes kept in front of the unread ones when refilling, so that unget()
// still finds the byte it puts back.
constexpr std::size_t kKeep = 1;

// Joins each CR LF pair in [begin, end) into one LF, in place; answers the
// new end. A CR in the last byte is left there for the caller to decide.
char* joinLineEnds(char* begin, char* end) {
    char* out = static_cast<char*>(std::memchr(begin, '\r', static_cast<std::size_t>(end - begin)));
    if (out == nullptr) return end;
    const char* in = out;
    while (in != end) {
        // `in` is at a CR.
        if (in + 1 != end && in[1] == '\n') ++in;  // the CR goes, the LF is copied below
        const char* next = static_cast<const char*>(
            std::memchr(in + 1, '\r', static_cast<std::size_t>(end - in - 1)));
        if (next == nullptr) next = end;
        const auto run = static_cast<std::size_t>(next - in);
        std::memmove(out, in, run);
        out += run;
        in = next;
    }
    return out;
}
}  // namespace

const char* ByteSet::find(const char* at, const char* end) const {
#if defined(__SSE2__)
    __m128i wanted[kMaxBytes];
    for (std::size_t i = 0; i < count_; ++i) wanted[i] = _mm_set1_epi8(static_cast<char>(bytes_[i]));
    while (end - at >= 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        __m128i hits = _mm_setzero_si128();
        for (std::size_t i = 0; i < count_; ++i) hits = _mm_or_si128(hits, _mm_cmpeq_epi8(chunk, wanted[i]));
        if (const int mask = _mm_movemask_epi8(hits)) return at + __builtin_ctz(static_cast<unsigned>(mask));
        at += 16;
    }
#endif
    while (at != end && !contains(static_cast<unsigned char>(*at))) ++at;
    return at;
}

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
    heldReturn_ = false;
    ended_ = true;
}

bool TextInput::refill() {
    if (readMore()) return true;
    ended_ = true;
    return false;
}

bool TextInput::readMore() {
    if (source_ == nullptr) return false;
    // Keep the unread bytes, one byte before them and a held CR.
    const std::size_t keepFrom = position_ >= kKeep ? position_ - kKeep : 0;
    const std::size_t kept = end_ - keepFrom;
    std::memmove(buffer_.get(), buffer_.get() + keepFrom, kept + (heldReturn_ ? 1 : 0));
    position_ -= keepFrom;
    end_ = kept;
    for (;;) {
        const std::size_t filled = end_ + (heldReturn_ ? 1 : 0);
        const std::size_t got = readSource(buffer_.get() + filled, kKeep + kBlockSize - filled);
        if (got == 0) {
            if (!heldReturn_) return false;
            heldReturn_ = false;  // a lone CR at the very end
            ++end_;
            return true;
        }
        char* const start = buffer_.get() + end_;
        char* last = joinLineEnds(start, start + (filled - end_) + got);
        heldReturn_ = last[-1] == '\r';
        if (heldReturn_) --last;
        end_ = static_cast<std::size_t>(last - buffer_.get());
        if (end_ > position_) return true;
    }
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

int TextInput::appendUntil(std::string& out, const ByteSet& stops) {
    for (;;) {
        const char* const data = buffer_.get();
        const char* const stop = stops.find(data + position_, data + end_);
        out.append(data + position_, static_cast<std::size_t>(stop - (data + position_)));
        position_ = static_cast<std::size_t>(stop - data);
        if (position_ != end_) return static_cast<unsigned char>(*stop);
        if (!refill()) return kEnd;
    }
}

int TextInput::skipUntil(const ByteSet& stops) {
    for (;;) {
        const char* const data = buffer_.get();
        position_ = static_cast<std::size_t>(stops.find(data + position_, data + end_) - data);
        if (position_ != end_) return static_cast<unsigned char>(data[position_]);
        if (!refill()) return kEnd;
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
    while (end_ - position_ < 3 && readMore()) {
    }
    if (end_ - position_ >= 3 && std::memcmp(buffer_.get() + position_, "\xEF\xBB\xBF", 3) == 0) {
        position_ += 3;
        return true;
    }
    return false;
}
