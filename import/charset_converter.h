#pragma once

// Converts imported text from the charset a bookmark file declares to the
// ANSI code page in which the collection keeps its text. Until a charset is
// set, and for any charset that cannot be found or converted, text passes
// unchanged.

#include <memory>
#include <string>

#include "import/code_pages.h"

class CharsetConverter {
public:
    CharsetConverter() = default;

    // Chooses the source charset by name; a name that is not found, or that
    // names the ANSI code page, removes any earlier conversion.
    void setCharset(const std::string& name);
    // Converts `text` in place; the result is never longer than the input.
    void convert(std::string& text);
    // The code page of a web charset name, 0 when not found. The names
    // "utf8", "utf16" and so on (lower case) are read as "utf-8", ...
    unsigned codePageForCharset(const std::string& name);
    // Whether a conversion is set.
    bool converting() const { return conversion_ != nullptr; }

private:
    CodePageList codePages_;
    std::unique_ptr<CodePageConversion> conversion_;
};
