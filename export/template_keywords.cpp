#include "template_keywords.h"

#include <cstring>

namespace {
// Indexed by keyword number; place 0 is empty and never matches.
constexpr std::string_view kNames[KeywordCount] = {
    "",          "collection", "/collection", "folder", "/folder",  "url",       "/url",
    "folderstart", "/folderstart", "folderend", "/folderend", "nl:", "/nl:",    "filename",
    "/filename", "ansi",       "oem",         "link",   "title",    "note",      "id",
    "parentid",  "level",      "nl",          "tab",    "left",     "right",     "html",
    "plain",     "weblink",    "/weblink",    "noweblink", "/noweblink",
};

constexpr std::size_t kLongestName = 12;  // "/folderstart"
}  // namespace

TemplateKeyword lookupKeyword(std::string_view name) {
    if (name.empty() || name.size() > kLongestName) return EndOfTemplate;
    char lowered[kLongestName];
    for (std::size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        lowered[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    // The export looks a keyword up for every event, so compare the cheap
    // things (length, first byte) before the bytes.
    for (int number = KeywordCount - 1; number > 0; --number) {
        const std::string_view candidate = kNames[number];
        if (candidate.size() == name.size() && candidate[0] == lowered[0] &&
            std::memcmp(candidate.data(), lowered, name.size()) == 0)
            return static_cast<TemplateKeyword>(number);
    }
    return EndOfTemplate;
}

std::string_view keywordName(TemplateKeyword keyword) {
    return keyword > EndOfTemplate && keyword < KeywordCount ? kNames[keyword] : std::string_view();
}
