#include "unicode_text.h"

#include <cstdint>

void appendUtf8(std::string& out, char32_t codePoint) {
    if ((codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF) codePoint = kReplacementCharacter;
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

namespace {
// UTF-8 validation as a state machine whose step is one table load and one
// shift, with no branch: each state is a shift, and the table row of a byte
// holds, at each state's shift, the shift of the state that follows. The
// ranges are those of decodeUtf8: no overlong forms, surrogates or code
// points above U+10FFFF.
enum Utf8State : unsigned {
    kInvalid,        // stays so
    kComplete,       // between characters
    kOneMore,        // continuation bytes 80-BF still wanted
    kTwoMore,
    kThreeMore,
    kAfterE0,        // then A0-BF, to exclude overlong forms
    kAfterED,        // then 80-9F, to exclude surrogates
    kAfterF0,        // then 90-BF
    kAfterF4,        // then 80-8F, to stay below U+110000
};

constexpr unsigned shiftOf(Utf8State state) { return 6 * state; }

struct Utf8Rows {
    std::uint64_t row[256] = {};
    constexpr void set(Utf8State from, unsigned first, unsigned last, Utf8State to) {
        for (unsigned byte = first; byte <= last; ++byte) row[byte] |= std::uint64_t{shiftOf(to)} << shiftOf(from);
    }
    constexpr Utf8Rows() {
        set(kComplete, 0x00, 0x7F, kComplete);
        set(kComplete, 0xC2, 0xDF, kOneMore);
        set(kComplete, 0xE0, 0xE0, kAfterE0);
        set(kComplete, 0xE1, 0xEC, kTwoMore);
        set(kComplete, 0xED, 0xED, kAfterED);
        set(kComplete, 0xEE, 0xEF, kTwoMore);
        set(kComplete, 0xF0, 0xF0, kAfterF0);
        set(kComplete, 0xF1, 0xF3, kThreeMore);
        set(kComplete, 0xF4, 0xF4, kAfterF4);
        set(kOneMore, 0x80, 0xBF, kComplete);
        set(kTwoMore, 0x80, 0xBF, kOneMore);
        set(kThreeMore, 0x80, 0xBF, kTwoMore);
        set(kAfterE0, 0xA0, 0xBF, kOneMore);
        set(kAfterED, 0x80, 0x9F, kOneMore);
        set(kAfterF0, 0x90, 0xBF, kTwoMore);
        set(kAfterF4, 0x80, 0x8F, kTwoMore);
    }
};
constexpr Utf8Rows kUtf8Rows;
}  // namespace

bool isValidUtf8(std::string_view text) {
    // Every string of a version-2 collection file passes here when it is
    // loaded: ASCII a block at a time, the rest through the state machine.
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::uint64_t state = shiftOf(kComplete);
    const auto step = [&](unsigned char byte) { state = kUtf8Rows.row[byte] >> (state & 63); };
    std::size_t i = 0;
    for (; size - i >= kTextBlock; i += kTextBlock) {
        if ((state & 63) == shiftOf(kComplete) && highBytes(text.data() + i) == 0) continue;
        for (std::size_t k = 0; k < kTextBlock; ++k) step(bytes[i + k]);
    }
    for (; i < size; ++i) step(bytes[i]);
    return (state & 63) == shiftOf(kComplete);
}

std::string repairedUtf8(std::string_view text) {
    if (isValidUtf8(text)) return std::string(text);
    std::string out;
    out.reserve(text.size() + 8);
    decodeUtf8(text, [&](char32_t codePoint) { appendUtf8(out, codePoint); });
    return out;
}

std::u16string utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    decodeUtf8(text, [&](char32_t codePoint) {
        if (codePoint < 0x10000) {
            out += static_cast<char16_t>(codePoint);
        } else {
            codePoint -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (codePoint >> 10));
            out += static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
        }
    });
    return out;
}

std::string utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            unit = 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        appendUtf8(out, unit);  // a lone surrogate becomes U+FFFD there
    }
    return out;
}

namespace {
bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        if (!continuationByte(c)) ++count;
    return count;
}

std::string_view firstCharacters(std::string_view text, std::size_t maximum) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (continuationByte(text[i])) continue;
        if (count++ == maximum) return text.substr(0, i);
    }
    return text;
}
