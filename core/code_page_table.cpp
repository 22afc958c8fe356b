#include "code_page_table.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>

#include "core/code_page.h"
#include "core/code_page_platform.h"
#include "core/unicode_text.h"

namespace {
// The code point of the three- or four-byte UTF-8 sequence at `bytes`, with
// the second byte's range of decodeUtf8. Its length; 0 when `bytes` does not
// begin with such a sequence whole.
std::size_t decodeLongSequence(const unsigned char* bytes, std::size_t available, char32_t& codePoint) {
    const unsigned char lead = bytes[0];
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    }
    if (length == 0 || available < length || bytes[1] < low || bytes[1] > high) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((bytes[k] & 0xC0) != 0x80) return 0;
        codePoint = codePoint << 6 | (bytes[k] & 0x3Fu);
    }
    return length;
}

bool highByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// Copies `size` bytes, fewer than a block, as two overlapping words.
void copyShort(const char* from, std::size_t size, char* to) {
    if (size >= 8) {
        std::uint64_t first, last;
        std::memcpy(&first, from, 8);
        std::memcpy(&last, from + size - 8, 8);
        std::memcpy(to, &first, 8);
        std::memcpy(to + size - 8, &last, 8);
    } else if (size >= 4) {
        std::uint32_t first, last;
        std::memcpy(&first, from, 4);
        std::memcpy(&last, from + size - 4, 4);
        std::memcpy(to, &first, 4);
        std::memcpy(to + size - 4, &last, 4);
    } else if (size > 0) {
        to[0] = from[0];
        to[size / 2] = from[size / 2];
        to[size - 1] = from[size - 1];
    }
}
}  // namespace

const SingleByteTable* SingleByteTable::ansiFor(unsigned codePage) {
    static const SingleByteTable table(ansiCodePage());
    return table.usable_ && table.codePage_ == codePage ? &table : nullptr;
}

SingleByteTable::SingleByteTable(unsigned codePage) : codePage_(codePage) {
    lowBytes_.fill(-1);
    std::string all, joined;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
        std::string utf8;
        if (!platformCodePageToUtf8(codePage, std::string(1, static_cast<char>(byte)), utf8) || utf8.size() > 3)
            return;
        // The conversions copy ASCII as it is.
        if (byte < 0x80 && utf8 != std::string(1, static_cast<char>(byte))) return;
        joined += utf8;
        Utf8Form& form = utf8_[static_cast<std::size_t>(byte)];
        utf8.copy(form.bytes, utf8.size());
        form.length = static_cast<unsigned char>(utf8.size());
        char32_t only = 0;
        int count = 0;
        decodeUtf8(utf8, [&](char32_t codePoint) { only = codePoint, ++count; });
        if (count != 1) return;
        if (only == kReplacementCharacter) continue;
        if (only < lowBytes_.size())
            lowBytes_[only] = static_cast<std::int16_t>(byte);
        else
            bytes_.emplace_back(only, static_cast<char>(byte));
    }
    // A lead byte of a multi-byte code page reads differently before another byte.
    std::string whole;
    if (!platformCodePageToUtf8(codePage, all, whole) || whole != joined) return;
    std::sort(bytes_.begin(), bytes_.end());
    usable_ = true;
}

bool SingleByteTable::byteOf(char32_t codePoint, char& byte) const {
    if (codePoint < lowBytes_.size()) {
        if (lowBytes_[codePoint] < 0) return false;
        byte = static_cast<char>(lowBytes_[codePoint]);
        return true;
    }
    const auto found = std::lower_bound(bytes_.begin(), bytes_.end(), codePoint,
                                        [](const auto& entry, char32_t wanted) { return entry.first < wanted; });
    if (found == bytes_.end() || found->first != codePoint) return false;
    byte = found->second;
    return true;
}

// Both directions copy a whole block and keep its ASCII part, so that text
// that is mostly ASCII costs little more than the copy; only the other
// characters are looked up. The last bytes of a text, less than a block, go
// one at a time (from UTF-8: unless they are ASCII). Pointers are kept in
// locals: stores through `to` could otherwise alias them.

char* SingleByteTable::toUtf8(std::string_view text, char* to) const {
    const char* from = text.data();
    const char* const end = from + text.size();
    const auto oneByte = [&] {
        const Utf8Form& form = utf8_[static_cast<unsigned char>(*from++)];
        std::memcpy(to, &form, sizeof form);
        to += form.length;
    };
    if (text.size() >= kTextBlock) {
        for (const char* const last = end - kTextBlock; from <= last;) {
            const std::size_t ascii = leadingAsciiBytes(from);
            std::memcpy(to, from, kTextBlock);
            from += ascii;
            to += ascii;
            if (ascii == kTextBlock) continue;
            do oneByte();
            while (from < end && highByte(*from));
        }
    }
    while (from < end) oneByte();
    return to;
}

char* SingleByteTable::toUtf8AheadReadable(std::string_view text, char* to) const {
    const char* from = text.data();
    const char* const end = from + text.size();
    // Writes the form of the byte at `at` of the block, then the rest of the
    // block again behind it. For `at` 16 (no such byte) it writes only past
    // the block, where the next block overwrites it, and moves nothing.
    const auto expand = [&](unsigned at, bool real) {
        const Utf8Form& form = utf8_[static_cast<unsigned char>(from[at])];
        std::memcpy(to + at, &form, sizeof form);
        to += (form.length - 1u) & (0u - static_cast<unsigned>(real));
        std::memcpy(to + at + 1, from + at + 1, kTextBlock);
    };
    for (; from < end; from += kTextBlock, to += kTextBlock) {
        unsigned high = highBytes(from);
        // Bytes after the text count as ASCII: copied, and taken back below.
        if (static_cast<std::size_t>(end - from) < kTextBlock) high &= (1u << (end - from)) - 1;
        std::memcpy(to, from, kTextBlock);
        const unsigned second = high & (high - 1);
        if (second & (second - 1)) {
            for (; high != 0; high &= high - 1) expand(static_cast<unsigned>(std::countr_zero(high)), true);
        } else {
            expand(static_cast<unsigned>(std::countr_zero(high | 0x10000u)), high != 0);
            expand(static_cast<unsigned>(std::countr_zero(second | 0x10000u)), second != 0);
        }
    }
    return to - (from - end);
}

std::size_t SingleByteTable::longCharacterByte(const char* from, const char* end, char& byte) const {
    char32_t codePoint;
    const std::size_t length =
        decodeLongSequence(reinterpret_cast<const unsigned char*>(from), static_cast<std::size_t>(end - from), codePoint);
    return length != 0 && byteOf(codePoint, byte) ? length : 0;
}

SingleByteTable::Progress SingleByteTable::fromUtf8(std::string_view text, char* to) const {
    const char* from = text.data();
    const char* const end = from + text.size();
    const auto progress = [&] { return Progress{static_cast<std::size_t>(from - text.data()), to}; };
    if (text.size() >= kTextBlock) {
        for (const char* const last = end - kTextBlock; from <= last;) {
            const std::size_t ascii = leadingAsciiBytes(from);
            std::memcpy(to, from, kTextBlock);
            from += ascii;
            to += ascii;
            if (ascii == kTextBlock) continue;
            const std::size_t length = characterByte(from, end, *to);
            if (length == 0) return progress();
            from += length;
            ++to;
        }
        // An ASCII rest is copied whole. When the text's whole last block is
        // ASCII, its part before `from` was copied as it is, so the block goes
        // where it ends; otherwise the rest goes as words.
        const unsigned high = highBytes(end - kTextBlock);
        const std::size_t rest = static_cast<std::size_t>(end - from);
        if ((high >> (kTextBlock - rest)) == 0) {
            if (high == 0)
                std::memcpy(to + rest - kTextBlock, end - kTextBlock, kTextBlock);
            else
                copyShort(from, rest, to);
            to += rest;
            from = end;
        }
    } else if (allAscii(from, text.size())) {
        copyShort(from, text.size(), to);
        to += text.size();
        from = end;
    }
    while (from < end) {
        const std::size_t length = highByte(*from) ? characterByte(from, end, *to) : (*to = *from, 1);
        if (length == 0) break;
        from += length;
        ++to;
    }
    return progress();
}
