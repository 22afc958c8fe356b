#include "browser_menu_label.h"

namespace {
constexpr std::size_t kMaxLabel = 30;
constexpr char kEllipsis[] = "...";
}  // namespace

std::string browserMenuLabel(int index, const std::string& title) {
    const std::string prefix = std::to_string(index + 1) + ") ";
    std::string label = prefix;
    if (prefix.size() + title.size() <= kMaxLabel)
        label += title;
    else
        label += title.substr(0, kMaxLabel - (sizeof kEllipsis - 1) - prefix.size()) + kEllipsis;
    return index < 9 ? "&" + label : label;
}
