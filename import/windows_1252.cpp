#include "windows_1252.h"

namespace {
// 0x80-0x9F; the five bytes the code page leaves undefined map to the
// control character of the same value, as the Windows conversion does.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
}  // namespace

char32_t windows1252ToUnicode(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : byte;
}

char unicodeToWindows1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<char>(codePoint);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == codePoint) return static_cast<char>(0x80 + i);
    return '?';
}

std::string utf8ToWindows1252(std::string_view text, bool* lossless) {
    std::string out;
    out.reserve(text.size());
    bool allHeld = true;
    decodeUtf8(text, [&](char32_t codePoint) {
        char byte = unicodeToWindows1252(codePoint);
        if (byte == '?' && codePoint != '?') allHeld = false;
        out += byte;
    });
    if (lossless) *lossless = allHeld;
    return out;
}
