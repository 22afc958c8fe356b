#pragma once

// The one interface through which bookmark items flow between the tree, the
// importers, the clipboard and drag data and the walkers.

#include <cstddef>
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

// What a source left out, for the summary after an import.
struct SkippedItems {
    std::size_t queries = 0;         // Firefox's place: queries, which mean nothing elsewhere
    std::size_t withoutAddress = 0;  // bookmarks without an address that has a scheme
    std::size_t otherFiles = 0;      // files no importer reads, or that could not be read
};

inline SkippedItems& operator+=(SkippedItems& total, const SkippedItems& more) {
    total.queries += more.queries;
    total.withoutAddress += more.withoutAddress;
    total.otherFiles += more.otherFiles;
    return total;
}

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
    // What the source left out so far; complete once it ended.
    virtual SkippedItems skipped() const { return {}; }
};
