#include "template_output.h"

#include <cstring>

#include "core/code_page.h"
#include "core/file_io.h"
#include "core/unicode_text.h"

namespace {
// Large enough that the system calls cost nothing next to the expansion.
constexpr std::size_t kFlushSize = 1 << 20;
}  // namespace

TemplateOutput::TemplateOutput(ByteSink& file) : file_(&file) { pending_.reserve(kFlushSize + 256); }

void TemplateOutput::writeToFile(std::string_view bytes) {
    while (!bytes.empty()) {
        const void* found = std::memchr(bytes.data(), '\n', bytes.size());
        if (found == nullptr) {
            pending_.append(bytes);
            break;
        }
        const std::size_t lineLength = static_cast<std::size_t>(static_cast<const char*>(found) - bytes.data());
        pending_.append(bytes.data(), lineLength);
        pending_.append("\r\n", 2);
        bytes.remove_prefix(lineLength + 1);
    }
    if (pending_.size() >= kFlushSize) flush();
}

void TemplateOutput::writeLiteralAsUtf8(std::string_view bytes) {
    std::string converted;
    if (isAscii(bytes) || !codePageToUtf8(literalCodePage_, bytes, converted))
        write(bytes);
    else
        write(converted);
}

bool TemplateOutput::flush() {
    if (file_ != nullptr && !pending_.empty() && !failed_)
        failed_ = !file_->write(pending_.data(), pending_.size());
    pending_.clear();
    return !failed_;
}
