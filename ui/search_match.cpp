#include "search_match.h"

#include "core/case_fold.h"
#include "core/unicode_text.h"

namespace {
const FoldedSearchText& foldedText(const SearchState& state) {
    FoldedSearchText& folded = state.folded;
    if (folded.source == state.text) return folded;
    folded.source = state.text;
    folded.codePoints.clear();
    decodeUtf8(state.text, [&](char32_t codePoint) { folded.codePoints += foldedCase(codePoint); });
    folded.ascii = true;
    for (char32_t codePoint : folded.codePoints)
        if (codePoint >= 0x80) folded.ascii = false;
    return folded;
}

bool asciiFieldHolds(std::string_view field, const std::u32string& text) {
    if (field.size() < text.size()) return false;
    for (std::size_t start = 0; start + text.size() <= field.size(); ++start) {
        std::size_t i = 0;
        while (i < text.size() && static_cast<char32_t>(foldedAscii(field[start + i])) == text[i]) ++i;
        if (i == text.size()) return true;
    }
    return false;
}
}  // namespace

bool fieldMatches(std::string_view field, const SearchState& state, std::uint32_t mask) {
    if ((state.flags & mask) == 0) return false;
    if (!(state.flags & SearchFlag::IgnoreCase)) return field.find(state.text) != std::string_view::npos;
    const FoldedSearchText& text = foldedText(state);
    // ASCII folds to ASCII, so an ASCII field holds only ASCII search text.
    if (isAscii(field)) return text.ascii && asciiFieldHolds(field, text.codePoints);
    // Folded into a buffer that every field reuses (Find runs on the window's
    // thread only): no allocation per field.
    static std::u32string folded;
    folded.clear();
    decodeUtf8(field, [](char32_t codePoint) { folded += foldedCase(codePoint); });
    return std::u32string_view(folded).find(text.codePoints) != std::u32string_view::npos;
}
