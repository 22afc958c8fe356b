#include "charset_converter.h"

#include "core/ascii_case.h"
#include "core/code_page.h"
#include "core/unicode_text.h"

namespace {
constexpr unsigned kLatin1CodePage = 28591;
constexpr unsigned kAsciiCodePage = 20127;
constexpr unsigned kWindows1252CodePage = 1252;

// Whether text in `codePage` can be converted here and holds ASCII as
// ASCII, as the markup around it is read (not so in EBCDIC). The byte above
// ASCII makes the platform convert the probe rather than pass it on.
bool readable(unsigned codePage) {
    std::string probe;
    return codePageToUtf8(codePage, "<A&\xA4", probe) && probe.compare(0, 3, "<A&") == 0;
}
}  // namespace

CharsetConverter::CharsetConverter() : codePage_(ansiCodePage()) {}

unsigned CharsetConverter::codePageForCharset(const std::string& name) {
    if (!codePages_.available()) return 0;
    // "utf8" is "utf-8" in any case: the bookmark file's reader passes the name upper-cased.
    std::string completed = name;
    if (completed.size() >= 4 && completed[3] != '-' && equalsIgnoringAsciiCase(completed.substr(0, 3), "utf"))
        completed.insert(3, 1, '-');
    const unsigned codePage = codePages_.find(completed);
    return codePage == kLatin1CodePage || codePage == kAsciiCodePage ? kWindows1252CodePage : codePage;
}

void CharsetConverter::setCharset(const std::string& name) {
    const unsigned codePage = codePageForCharset(name);
    codePage_ = codePage != 0 && readable(codePage) ? codePage : ansiCodePage();
}

void CharsetConverter::appendUtf8(std::string_view text, std::string& out) {
    // ASCII is the same in every charset setCharset takes.
    if (isAscii(text)) {
        out.append(text);
        return;
    }
    if (codePageToUtf8(codePage_, text, converted_))
        out += converted_;
    else
        out += repairedUtf8(text);  // not reached: setCharset took a readable code page
}

void CharsetConverter::convert(std::string& text) {
    if (isAscii(text)) return;
    std::string out;
    appendUtf8(text, out);
    text.swap(out);
}
