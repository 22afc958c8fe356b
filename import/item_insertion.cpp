#include "item_insertion.h"

#include <vector>

InsertedCounts stageItems(Folder& staging, ItemSource& source, std::size_t levels, Progress* progress) {
    constexpr std::size_t kItemsBetweenReports = 256;
    struct Level {
        Folder* folder;
        std::size_t skippedFolders;  // not made at this level, still open in the source
    };
    InsertedCounts counts;
    std::vector<Level> open{{&staging, 0}};
    ItemFields fields;
    for (std::size_t items = 0; !open.empty(); ++items) {
        if (progress && items % kItemsBetweenReports == 0 &&
            !progress->advance(counts.folders + counts.links, 0)) {
            counts.cancelled = true;
            break;
        }
        fields.title.clear();
        fields.description.clear();
        fields.url.clear();
        Level& level = open.back();
        BookmarkNode* node = nullptr;
        switch (source.next()) {
        case ItemCode::EndOfFolder:
            if (level.skippedFolders > 0)
                --level.skippedFolders;
            else
                open.pop_back();
            continue;
        case ItemCode::FolderItem:
            source.folder(fields);
            if (open.size() > levels) {
                ++level.skippedFolders;
                continue;
            }
            node = new Folder;
            ++counts.folders;
            break;
        case ItemCode::LinkItem: {
            source.link(fields);
            Link* link = new Link;
            link->url = fields.url;
            node = link;
            ++counts.links;
            break;
        }
        }
        node->title = fields.title;
        node->description = fields.description;
        level.folder->insertChild(level.folder->childrenEnd(), node);
        if (Folder* folder = node->asFolder()) open.push_back({folder, 0});
    }
    return counts;
}

std::size_t levelsAllowedBelow(const Folder* folder) {
    std::size_t depth = 0;
    for (const Folder* above = folder; above->parent; above = above->parent) ++depth;
    return depth < Folder::kMaxDepth ? Folder::kMaxDepth - depth : 0;
}

InsertedCounts insertItems(Collection& collection, Folder* folder, ItemSource& source) {
    Folder staging;
    const InsertedCounts counts = stageItems(staging, source, levelsAllowedBelow(folder));
    while (BookmarkNode* node = staging.childrenBegin().node()) {
        staging.unlinkChild(node);
        collection.link(folder, folder->childrenEnd(), node);
    }
    return counts;
}
