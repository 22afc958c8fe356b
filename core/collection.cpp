#include "collection.h"

#include <algorithm>
#include <vector>

void Collection::clear() {
    destroyChildren();
    title = std::string_view();
    description = std::string_view();
    modified = false;
}

void Collection::setTitle(BookmarkNode* node, std::string_view text) {
    node->title = text;
    modified = true;
}

void Collection::setDescription(BookmarkNode* node, std::string_view text) {
    node->description = text;
    modified = true;
}

void Collection::setUrl(Link* link, std::string_view text) {
    link->url = text;
    modified = true;
}

ChildPosition Collection::insertFolder(Folder* folder, ChildPosition position) {
    auto* created = new Folder;
    folder->insertChild(position, created);
    modified = true;
    return ChildPosition(created);
}

ChildPosition Collection::insertLink(Folder* folder, ChildPosition position) {
    auto* link = new Link;
    folder->insertChild(position, link);
    modified = true;
    return ChildPosition(link);
}

void Collection::remove(BookmarkNode* node) {
    if (node->parent) node->parent->unlinkChild(node);
    delete node;
    modified = true;
}

void Collection::link(Folder* folder, ChildPosition position, BookmarkNode* node) {
    folder->insertChild(position, node);
    modified = true;
}

BookmarkNode* Collection::unlink(BookmarkNode* node) {
    node->parent->unlinkChild(node);
    modified = true;
    return node;
}

bool Collection::reorderChildren(Folder* folder, const std::function<BookmarkNode*()>& nextNode) {
    std::vector<BookmarkNode*> order;
    order.reserve(folder->childCount());
    for (std::size_t i = 0; i < folder->childCount(); ++i) {
        BookmarkNode* node = nextNode();
        if (!node || node->parent != folder) return false;
        order.push_back(node);
    }
    std::vector<BookmarkNode*> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) return false;

    for (BookmarkNode* node : order) folder->unlinkChild(node);
    for (BookmarkNode* node : order) folder->insertChild(folder->childrenEnd(), node);
    modified = true;
    return true;
}

Result Collection::checkFileKind(const std::string& path) {
    InputFile file;
    if (Result opened = file.open(path); !opened) return opened;
    const std::string head = readUpTo(file, 4);
    std::uint32_t magic = 0;
    for (std::size_t i = head.size(); i-- > 0;) magic = magic << 8 | static_cast<unsigned char>(head[i]);
    if (head.size() == 4 && magic == kFileMagic) return {};
    return Result::failure(ResultStatus::NotRecognized, path);
}

ChildPosition Collection::positionOf(const BookmarkNode* node) {
    if (!node->parent) return ChildPosition();
    ChildPosition position = node->parent->childrenBegin();
    while (!position.isEnd() && position.node() != node) ++position;
    return position;
}
