#pragma once

// Where an expansion writes: a text buffer in memory (the line-break text,
// a file name being built), or the export file. The file is written in text
// mode: every line feed reaches it as CR LF.
//
// The template's literal text comes through writeLiteral(), in the
// template's encoding; a buffer that collects UTF-8 from an ANSI template
// converts it.

#include <cstddef>
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
        if (text_ != nullptr)
            text_->append(bytes);
        else
            writeToFile(bytes);
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
    void writeToFile(std::string_view bytes);
    void writeLiteralAsUtf8(std::string_view bytes);

    std::string* text_ = nullptr;
    unsigned literalCodePage_ = 0;
    ByteSink* file_ = nullptr;
    std::string pending_;
    bool failed_ = false;
};
