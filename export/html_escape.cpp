#include "html_escape.h"

#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "template_output.h"

namespace {
// The reference for each byte that needs one; empty for all others.
constexpr std::array<std::string_view, 256> kReferences = [] {
    std::array<std::string_view, 256> references{};
    references['&'] = "&amp;";
    references['<'] = "&lt;";
    references['>'] = "&gt;";
    references['"'] = "&quot;";
    references['\''] = "&#39;";
    return references;
}();

// The offset of the first byte from `at` on that needs a reference, or the
// size of `text`; sixteen bytes a step where the processor can.
std::size_t firstSpecial(std::string_view text, std::size_t at) {
#if defined(__SSE2__)
    const __m128i amp = _mm_set1_epi8('&'), lt = _mm_set1_epi8('<'), gt = _mm_set1_epi8('>'),
                  quot = _mm_set1_epi8('"'), apos = _mm_set1_epi8('\'');
    for (; text.size() - at >= 16; at += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at));
        const __m128i hits = _mm_or_si128(
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(chunk, amp), _mm_cmpeq_epi8(chunk, lt)),
                         _mm_or_si128(_mm_cmpeq_epi8(chunk, gt), _mm_cmpeq_epi8(chunk, quot))),
            _mm_cmpeq_epi8(chunk, apos));
        if (const int mask = _mm_movemask_epi8(hits)) return at + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
#endif
    while (at < text.size() && kReferences[static_cast<unsigned char>(text[at])].empty()) ++at;
    return at;
}
}  // namespace

void writeHtmlEscaped(std::string_view text, TemplateOutput& out) {
    std::size_t runStart = 0;
    for (std::size_t i = firstSpecial(text, 0); i < text.size(); i = firstSpecial(text, i + 1)) {
        out.write(text.substr(runStart, i - runStart));
        out.write(kReferences[static_cast<unsigned char>(text[i])]);
        runStart = i + 1;
    }
    out.write(text.substr(runStart));
}
