#pragma once

// Code page 1252, the ANSI code page where the system has none of its own
// (natively): what Windows' own conversion gives, byte for byte. Characters
// it cannot hold become one '?' each, never a look-alike.

#include <string>
#include <string_view>

char32_t windows1252ToUnicode(unsigned char byte);
// The byte for `codePoint`, or '?' when code page 1252 has none.
char unicodeToWindows1252(char32_t codePoint);

// Decodes UTF-8 into code points and hands each to `emit`. A byte that does
// not begin a well-formed sequence gives U+FFFD and decoding goes on with
// the next byte, as Windows' conversion does.
template <typename Emit>
void decodeUtf8(std::string_view text, Emit&& emit);

// UTF-8 to code page 1252; `lossless`, when given, tells whether every
// character had a byte of its own.
std::string utf8ToWindows1252(std::string_view text, bool* lossless = nullptr);

template <typename Emit>
void decodeUtf8(std::string_view text, Emit&& emit) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        unsigned char lead = bytes[i];
        if (lead < 0x80) {
            emit(static_cast<char32_t>(lead));
            ++i;
            continue;
        }
        std::size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        if (lead > 0xF4) length = 0;
        char32_t codePoint = length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        std::size_t n = 1;
        for (; length != 0 && n < length && i + n < size; ++n) {
            unsigned char next = bytes[i + n];
            // The second byte's range excludes overlong forms, surrogates and
            // code points above U+10FFFF.
            unsigned char low = 0x80, high = 0xBF;
            if (n == 1) {
                if (lead == 0xE0) low = 0xA0;
                if (lead == 0xED) high = 0x9F;
                if (lead == 0xF0) low = 0x90;
                if (lead == 0xF4) high = 0x8F;
            }
            if (next < low || next > high) break;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        if (length != 0 && n == length) {
            emit(codePoint);
            i += length;
        } else {
            emit(char32_t{0xFFFD});
            i += n;
        }
    }
}
