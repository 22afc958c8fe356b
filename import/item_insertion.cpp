#include "item_insertion.h"

#include <vector>

InsertedCounts insertItems(Collection& collection, Folder* folder, ItemSource& source) {
    InsertedCounts counts;
    std::vector<Folder*> open{folder};
    ItemFields fields;
    while (!open.empty()) {
        fields.title.clear();
        fields.description.clear();
        fields.url.clear();
        switch (source.next()) {
        case ItemCode::EndOfFolder:
            open.pop_back();
            break;
        case ItemCode::FolderItem: {
            source.folder(fields);
            Folder* added = collection.appendFolder(open.back()).node()->asFolder();
            collection.setTitle(added, fields.title);
            collection.setDescription(added, fields.description);
            open.push_back(added);
            ++counts.folders;
            break;
        }
        case ItemCode::LinkItem: {
            source.link(fields);
            Link* added = collection.appendLink(open.back()).node()->asLink();
            collection.setTitle(added, fields.title);
            collection.setDescription(added, fields.description);
            collection.setUrl(added, fields.url);
            ++counts.links;
            break;
        }
        }
    }
    return counts;
}
