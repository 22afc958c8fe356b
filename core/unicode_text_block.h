#pragma once

// Text tested for ASCII sixteen bytes at a time: the inner step of the loops
// that check and convert every string of a collection file. SSE2 (which every
// x86-64 processor has) tests a block at once; elsewhere 8-byte words do.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

inline constexpr std::size_t kTextBlock = 16;

// The number of ASCII bytes at the start of the kTextBlock bytes at `block`,
// all of which must be readable; kTextBlock when all are ASCII.
inline std::size_t leadingAsciiBytes(const char* block) {
#if defined(__SSE2__)
    const unsigned high = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(block))));
    return high == 0 ? kTextBlock : static_cast<std::size_t>(std::countr_zero(high));
#else
    for (std::size_t half = 0; half < kTextBlock; half += 8) {
        std::uint64_t word;
        std::memcpy(&word, block + half, 8);
        word &= 0x8080808080808080u;
        if (word == 0) continue;
        const int bit = std::endian::native == std::endian::little ? std::countr_zero(word) : std::countl_zero(word);
        return half + static_cast<std::size_t>(bit) / 8;
    }
    return kTextBlock;
#endif
}

// One bit for each byte of the block at `block` that is not ASCII, the
// first byte's the lowest.
inline unsigned highBytes(const char* block) {
#if defined(__SSE2__)
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(block))));
#else
    unsigned high = 0;
    for (std::size_t i = 0; i < kTextBlock; ++i) high |= (static_cast<unsigned char>(block[i]) >> 7u) << i;
    return high;
#endif
}

// Whether all `size` bytes at `bytes` are ASCII. As memcpy copies: no early
// exit, and overlapping reads at the ends, so that strings of every length
// cost few mispredicted branches.
inline bool allAscii(const char* bytes, std::size_t size) {
    if (size >= kTextBlock) {
#if defined(__SSE2__)
        __m128i any = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + size - kTextBlock));
        for (std::size_t i = 0; i + kTextBlock < size; i += kTextBlock)
            any = _mm_or_si128(any, _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i)));
        return _mm_movemask_epi8(any) == 0;
#else
        std::uint64_t any, word;
        std::memcpy(&any, bytes + size - 8, 8);
        for (std::size_t i = 0; i + 8 < size; i += 8) {
            std::memcpy(&word, bytes + i, 8);
            any |= word;
        }
        return (any & 0x8080808080808080u) == 0;
#endif
    }
    if (size >= 8) {
        std::uint64_t first, last;
        std::memcpy(&first, bytes, 8);
        std::memcpy(&last, bytes + size - 8, 8);
        return ((first | last) & 0x8080808080808080u) == 0;
    }
    if (size >= 4) {
        std::uint32_t first, last;
        std::memcpy(&first, bytes, 4);
        std::memcpy(&last, bytes + size - 4, 4);
        return ((first | last) & 0x80808080u) == 0;
    }
    // One to three bytes: these three are all of them.
    return size == 0 || ((bytes[0] | bytes[size / 2] | bytes[size - 1]) & 0x80) == 0;
}
