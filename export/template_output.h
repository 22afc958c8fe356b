#pragma once

// Where an expansion writes: a text buffer in memory (the line-break text,
// a file name being built), or the export file. The file is written in text
// mode: every line feed reaches it as CR LF.
//
// The template's literal text comes through writeLiteral(), in the
// template's encoding; a buffer that collects UTF-8 from an ANSI template
// converts it.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

class ByteSink;

class TemplateOutput {
public:
    // Appends to `text` as it is; literal text in `literalCodePage` (0: as it
    // is too) is converted to UTF-8.
    explicit TemplateOutput(std::string& text, unsigned literalCodePage = 0)
        : text_(&text), literalCodePage_(literalCodePage) {}
    // Buffers and writes to `file`; after a failed write it writes nothing more.
    explicit TemplateOutput(ByteSink& file);
    TemplateOutput(const TemplateOutput&) = delete;
    TemplateOutput& operator=(const TemplateOutput&) = delete;

    void write(std::string_view bytes) {
        if (text_ != nullptr) {
            text_->append(bytes);
        } else if (bytes.size() <= kShortWrite && static_cast<std::size_t>(limit_ - next_) >= 2 * kShortWrite) {
            // Most writes are a value, a number or a short stretch of
            // markup: copied here without a call.
            for (const char byte : bytes) {
                if (byte == '\n') *next_++ = '\r';
                *next_++ = byte;
            }
        } else {
            writeToFile(bytes);
        }
    }
    void write(char byte) { write(std::string_view(&byte, 1)); }
    void writeLiteral(std::string_view bytes) {
        if (literalCodePage_ == 0)
            write(bytes);
        else
            writeLiteralAsUtf8(bytes);
    }

    // Hands everything buffered to the file; false when that or an earlier
    // write failed.
    bool flush();
    bool failed() const { return failed_; }

private:
    static constexpr std::size_t kShortWrite = 32;

    void writeToFile(std::string_view bytes);
    // Copies `size` bytes into the buffer, handing it to the file whenever it is full.
    void put(const char* bytes, std::size_t size);
    void writeLiteralAsUtf8(std::string_view bytes);

    std::string* text_ = nullptr;
    unsigned literalCodePage_ = 0;
    ByteSink* file_ = nullptr;
    // The file's buffer: written up to next_, room up to limit_.
    std::unique_ptr<char[]> buffer_;
    char* next_ = nullptr;
    char* limit_ = nullptr;
    bool failed_ = false;
};
