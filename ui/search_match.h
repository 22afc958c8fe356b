#pragma once

// What Find looks for and where: the text, and the option bits kept between
// runs of the program as the SearchFlags setting.

#include <cstdint>
#include <string>
#include <string_view>

namespace SearchFlag {
constexpr std::uint32_t IgnoreCase = 0x01;
constexpr std::uint32_t Folders = 0x02;  // their names and descriptions
constexpr std::uint32_t Urls = 0x04;
constexpr std::uint32_t Titles = 0x08;  // titles and folder names
constexpr std::uint32_t Descriptions = 0x10;
constexpr std::uint32_t FromTop = 0x20;  // Find starts at the first item, not the selection
}  // namespace SearchFlag

// The search text with its case folded, made once for a whole search.
struct FoldedSearchText {
    std::string source;           // the text it was made from
    std::u32string codePoints;    // folded
    bool ascii = true;
};

struct SearchState {
    std::uint32_t flags = 0x0D;
    std::string text;
    mutable FoldedSearchText folded{};  // filled by the first search that ignores case
};

// Whether the field, searched because `mask` is among the flags, holds the
// text: as it is, or with the case of both folded (core/case_fold.h).
bool fieldMatches(std::string_view field, const SearchState& state, std::uint32_t mask);
