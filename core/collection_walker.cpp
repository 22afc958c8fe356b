#include "collection_walker.h"

CollectionWalker::CollectionWalker(ChildPosition first, ChildPosition end)
    : ranges_{{first, end}} {}

ItemCode CollectionWalker::next() {
    if (ranges_.empty()) return ItemCode::EndOfFolder;
    auto& [current, end] = ranges_.back();
    if (current == end) {
        ranges_.pop_back();
        return ItemCode::EndOfFolder;
    }
    return current.node()->asFolder() ? ItemCode::FolderItem : ItemCode::LinkItem;
}

void CollectionWalker::folder(ItemFields& fields) {
    ChildPosition& current = ranges_.back().first;
    const Folder* folder = current.node()->asFolder();
    ++current;
    fields.title = folder->title.view();
    fields.description = folder->description.view();
    ranges_.emplace_back(folder->childrenBegin(), folder->childrenEnd());
}

void CollectionWalker::link(ItemFields& fields) {
    ChildPosition& current = ranges_.back().first;
    const Link* link = current.node()->asLink();
    ++current;
    fields.title = link->title.view();
    fields.description = link->description.view();
    fields.url = link->url.view();
}
