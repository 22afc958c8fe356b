#include "template_output.h"

#include <cstring>

#include "core/code_page.h"
#include "core/file_io.h"
#include "core/unicode_text.h"

namespace {
// Large enough that the system calls cost nothing next to the expansion.
constexpr std::size_t kBufferSize = 1 << 20;
}  // namespace

TemplateOutput::TemplateOutput(ByteSink& file)
    : file_(&file), buffer_(new char[kBufferSize]), next_(buffer_.get()), limit_(buffer_.get() + kBufferSize) {}

void TemplateOutput::writeToFile(std::string_view bytes) {
    while (!bytes.empty()) {
        const void* found = std::memchr(bytes.data(), '\n', bytes.size());
        if (found == nullptr) {
            put(bytes.data(), bytes.size());
            return;
        }
        const std::size_t lineLength = static_cast<std::size_t>(static_cast<const char*>(found) - bytes.data());
        put(bytes.data(), lineLength);
        put("\r\n", 2);
        bytes.remove_prefix(lineLength + 1);
    }
}

void TemplateOutput::put(const char* bytes, std::size_t size) {
    for (;;) {
        const std::size_t room = static_cast<std::size_t>(limit_ - next_);
        const std::size_t part = size < room ? size : room;
        std::memcpy(next_, bytes, part);
        next_ += part;
        if (part == size) return;
        bytes += part;
        size -= part;
        flush();
    }
}

void TemplateOutput::writeLiteralAsUtf8(std::string_view bytes) {
    std::string converted;
    if (isAscii(bytes) || !codePageToUtf8(literalCodePage_, bytes, converted))
        write(bytes);
    else
        write(converted);
}

bool TemplateOutput::flush() {
    if (file_ == nullptr) return !failed_;
    const auto size = static_cast<std::size_t>(next_ - buffer_.get());
    if (size != 0 && !failed_) failed_ = !file_->write(buffer_.get(), size);
    next_ = buffer_.get();
    return !failed_;
}
