#include "ui/tree/description_text.h"

#include "core/bookmark_node.h"

std::string descriptionText(const BookmarkNode* node) {
    if (!node) return {};
    std::string text = node->description.str();
    if (text.empty()) {
        if (const Link* link = node->asLink()) text = link->url.str();
    }
    return text;
}
