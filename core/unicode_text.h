#pragma once

// UTF-8, the encoding of all text inside the program, and UTF-16, the
// encoding of the Windows API. Invalid input never fails: each maximal
// invalid subsequence becomes one U+FFFD, as Windows' own conversion does.

#include <string>
#include <string_view>

#include "core/unicode_text_block.h"

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes UTF-8 into code points and hands each to `emit`.
template <typename Emit>
void decodeUtf8(std::string_view text, Emit&& emit);

// Appends the UTF-8 form of `codePoint`; a surrogate or a value above
// U+10FFFF appends U+FFFD instead.
void appendUtf8(std::string& out, char32_t codePoint);

// ASCII reads the same in UTF-8 and in the code pages it is converted to.
inline bool isAscii(std::string_view text) { return allAscii(text.data(), text.size()); }
bool isValidUtf8(std::string_view text);
// `text` with every invalid sequence replaced by U+FFFD (a copy when valid).
std::string repairedUtf8(std::string_view text);

std::u16string utf8ToUtf16(std::string_view text);
// A lone surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);

// The number of characters (code points) in valid UTF-8.
std::size_t characterCount(std::string_view text);
// The longest prefix of `text` with at most `maximum` characters; never
// splits a character.
std::string_view firstCharacters(std::string_view text, std::size_t maximum);

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
            emit(kReplacementCharacter);
            i += n;
        }
    }
}
