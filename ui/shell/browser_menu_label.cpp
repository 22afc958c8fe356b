#include "browser_menu_label.h"

#include "core/unicode_text.h"

namespace {
constexpr std::size_t kMaxLabel = 30;
constexpr char kEllipsis[] = "...";
}  // namespace

std::string browserMenuLabel(int index, const std::string& title) {
    const std::string prefix = std::to_string(index + 1) + ") ";
    std::string label = prefix;
    if (prefix.size() + characterCount(title) <= kMaxLabel)
        label += title;
    else
        label += std::string(firstCharacters(title, kMaxLabel - (sizeof kEllipsis - 1) - prefix.size())) + kEllipsis;
    return index < 9 ? "&" + label : label;
}
