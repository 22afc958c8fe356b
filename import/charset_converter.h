#pragma once

// Converts imported text to UTF-8 from the charset a bookmark file declares.
// Until a charset is set, and for any charset that cannot be found or
// converted here, the text is taken to be in the ANSI code page.

#include <string>
#include <string_view>

#include "import/code_page_list.h"

class CharsetConverter {
public:
    CharsetConverter();

    // Chooses the source charset by name; a name that is not found, or whose
    // code page cannot be converted here or does not hold ASCII as ASCII
    // (EBCDIC), chooses the ANSI code page again.
    void setCharset(const std::string& name);
    // Appends the UTF-8 form of `text` to `out`. A byte sequence the charset
    // does not define becomes U+FFFD.
    void appendUtf8(std::string_view text, std::string& out);
    // Converts `text` in place.
    void convert(std::string& text);
    // The code page of a web charset name, 0 when not found. The names
    // "utf8", "utf16" and so on (lower case) are read as "utf-8", ...;
    // "iso-8859-1" and "us-ascii" as windows-1252, as browsers read them.
    unsigned codePageForCharset(const std::string& name);
    // The code page text is converted from.
    unsigned codePage() const { return codePage_; }

private:
    CodePageList codePages_;
    unsigned codePage_;
    std::string converted_;
};
