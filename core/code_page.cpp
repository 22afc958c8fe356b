#include "code_page.h"

#include "core/code_page_platform.h"
#include "core/code_page_table.h"
#include "core/unicode_text.h"

namespace {
// The code pages whose bytes below 0x80 are ASCII: all but EBCDIC, UTF-7
// and the UTF-16 and UTF-32 forms.
bool asciiCompatible(unsigned codePage) {
    switch (codePage) {
    case 37: case 500: case 875: case 1026: case 1047: case 1140: case 1141: case 1142: case 1143: case 1144:
    case 1145: case 1146: case 1147: case 1148: case 1149: case 1200: case 1201: case 12000: case 12001:
    case 65000:
        return false;
    default:
        return codePage < 20273 || codePage > 20871;  // the EBCDIC range
    }
}
}  // namespace

bool codePageToUtf8(unsigned codePage, std::string_view text, std::string& out) {
    if (codePage == kUtf8CodePage) {
        out = repairedUtf8(text);
        return true;
    }
    // The ANSI code page's table copies ASCII as fast as a check for it would.
    if (const SingleByteTable* table = SingleByteTable::ansiFor(codePage)) {
        out.resize(text.size() * 3 + SingleByteTable::kSlack);
        out.resize(static_cast<std::size_t>(table->toUtf8(text, out.data()) - out.data()));
        return true;
    }
    if (asciiCompatible(codePage) && isAscii(text)) {
        out.assign(text);
        return true;
    }
    return platformCodePageToUtf8(codePage, text, out);
}

namespace {
// The table's conversion, with what `missing` gives (or '?') for each
// character the code page lacks. False when one was missing.
bool tableUtf8ToCodePage(const SingleByteTable& table, std::string_view text, std::string& out,
                         const MissingCharacter& missing) {
    bool held = true;
    std::size_t read = 0, written = 0;
    for (;;) {
        out.resize(written + (text.size() - read) + SingleByteTable::kSlack);
        const SingleByteTable::Progress progress = table.fromUtf8(text.substr(read), out.data() + written);
        read += progress.read;
        written = static_cast<std::size_t>(progress.written - out.data());
        out.resize(written);
        if (read == text.size()) return held;
        // The run of characters that are not ASCII around the one the table
        // stopped at, in full (an ASCII byte never lies inside a sequence).
        const std::size_t run = read;
        while (read < text.size() && static_cast<unsigned char>(text[read]) >= 0x80) ++read;
        decodeUtf8(text.substr(run, read - run), [&](char32_t codePoint) {
            char byte;
            if (table.byteOf(codePoint, byte)) {
                out += byte;
                return;
            }
            held = false;
            if (missing)
                missing(codePoint, out);
            else
                out += '?';
        });
        written = out.size();
    }
}
}  // namespace

bool utf8ToCodePage(unsigned codePage, std::string_view text, std::string& out, bool* lossless,
                    const MissingCharacter& missing) {
    if (lossless) *lossless = true;
    if (codePage == kUtf8CodePage) {
        out = repairedUtf8(text);
        return true;
    }
    if (const SingleByteTable* table = SingleByteTable::ansiFor(codePage)) {
        const bool held = tableUtf8ToCodePage(*table, text, out, missing);
        if (lossless) *lossless = held;
        return true;
    }
    if (asciiCompatible(codePage) && isAscii(text)) {
        out.assign(text);
        return true;
    }
    std::string converted;
    bool held = true;
    const bool known = platformUtf8ToCodePage(codePage, text, converted, [&](char32_t codePoint, std::string& to) {
        held = false;
        if (missing)
            missing(codePoint, to);
        else
            to += '?';
    });
    if (!known) return false;
    out.swap(converted);
    if (lossless) *lossless = held;
    return true;
}
