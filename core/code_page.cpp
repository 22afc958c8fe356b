#include "code_page.h"

#include "core/code_page_platform.h"
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
    if (asciiCompatible(codePage) && isAscii(text)) {
        out.assign(text);
        return true;
    }
    return platformCodePageToUtf8(codePage, text, out);
}

bool utf8ToCodePage(unsigned codePage, std::string_view text, std::string& out, bool* lossless,
                    const MissingCharacter& missing) {
    if (lossless) *lossless = true;
    if (codePage == kUtf8CodePage) {
        out = repairedUtf8(text);
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
