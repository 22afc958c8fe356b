#pragma once

// The one interface through which bookmark items flow between the tree, the
// importers, the clipboard and drag data and the walkers.

#include <string>

#include "result.h"

// Scoped: Windows' shell headers name an interface FolderItem.
enum class ItemCode {
    EndOfFolder = 0,  // ends the current folder level, or the whole source at the top
    FolderItem = 1,   // a folder: its contents follow, closed by an EndOfFolder
    LinkItem = 2,
};

// Filled by a source for one item; the consumer passes it empty.
struct ItemFields {
    std::string title;  // a folder's name or a link's title
    std::string description;
    std::string url;  // links only
};

class ItemSource {
public:
    virtual ~ItemSource() = default;
    virtual ItemCode next() = 0;
    // Called once after next() answered FolderItem.
    virtual void folder(ItemFields& fields) = 0;
    // Called once after next() answered LinkItem.
    virtual void link(ItemFields& fields) = 0;
    // Asked after the source ended: Ok, or why it ended early. The items it
    // gave before the failure are good and stay wherever they were put.
    virtual Result result() const { return {}; }
};
