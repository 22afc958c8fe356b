#pragma once

// The ANSI code page, when it has one byte per character (every ANSI code
// page but the East Asian ones), as tables taken once from the platform's
// conversion: the strings of a collection file convert without a call into
// the system, straight into the caller's buffer.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "core/unicode_text_block.h"

class SingleByteTable {
public:
    // The ANSI code page's table when that code page is `codePage` and can
    // be held in one; null otherwise.
    static const SingleByteTable* ansiFor(unsigned codePage);

    // The conversions store whole blocks: the room they need beyond what
    // they write.
    static constexpr std::size_t kSlack = 4 * kTextBlock;
    // What toUtf8AheadReadable() may read beyond the text.
    static constexpr std::size_t kReadAhead = 2 * kTextBlock;

    // Writes `text` in UTF-8 at `to`, which has room for 3 * text.size() +
    // kSlack bytes. Returns the end of what was written.
    char* toUtf8(std::string_view text, char* to) const;
    // The same, faster, for a text followed by kReadAhead bytes that may be
    // read (whatever they hold): a block with one or two characters that are
    // not ASCII, the most common, takes no branch.
    char* toUtf8AheadReadable(std::string_view text, char* to) const;

    struct Progress {
        std::size_t read;
        char* written;
    };
    // Writes UTF-8 `text` in the code page at `to`, which has room for
    // text.size() + kSlack bytes, up to the end or up to the first character
    // the code page lacks or sequence that is not UTF-8: `read` tells which.
    Progress fromUtf8(std::string_view text, char* to) const;

    // The byte of `codePoint`; false when the code page lacks it.
    bool byteOf(char32_t codePoint, char& byte) const;

private:
    explicit SingleByteTable(unsigned codePage);
    // The byte of the UTF-8 character at `from`, which is not ASCII, and its
    // length; 0 when the code page lacks it or it is no UTF-8. Inline for
    // the two-byte characters, which most letters of such a code page are.
    std::size_t characterByte(const char* from, const char* end, char& byte) const {
        const auto* bytes = reinterpret_cast<const unsigned char*>(from);
        if (bytes[0] < 0xC2 || bytes[0] > 0xDF) return longCharacterByte(from, end, byte);
        if (end - from < 2 || (bytes[1] & 0xC0) != 0x80) return 0;
        const std::int16_t found = lowBytes_[(bytes[0] & 0x1Fu) << 6 | (bytes[1] & 0x3Fu)];
        byte = static_cast<char>(found);
        return found < 0 ? 0 : 2;
    }
    std::size_t longCharacterByte(const char* from, const char* end, char& byte) const;

    struct Utf8Form {
        char bytes[3];
        unsigned char length;
    };

    unsigned codePage_;
    bool usable_ = false;
    std::array<Utf8Form, 256> utf8_{};
    // The byte of each code point below U+0800 (Latin, Greek, Cyrillic,
    // Hebrew, Arabic), -1 where there is none; the others sorted.
    std::array<std::int16_t, 0x800> lowBytes_;
    std::vector<std::pair<char32_t, char>> bytes_;
};
