#include "search_match.h"

#include "core/ansi_case.h"

bool fieldMatches(std::string_view field, const SearchState& state, std::uint32_t mask) {
    if ((state.flags & mask) == 0) return false;
    const std::string_view text = state.text;
    if (!(state.flags & SearchFlag::IgnoreCase)) return field.find(text) != std::string_view::npos;
    if (field.size() < text.size()) return false;
    for (std::size_t start = 0; start + text.size() <= field.size(); ++start) {
        std::size_t i = 0;
        while (i < text.size() && lowerAnsi(field[start + i]) == lowerAnsi(text[i])) ++i;
        if (i == text.size()) return true;
    }
    return false;
}
