#pragma once

// Reads the bookmarks of a Chromium-family browser (Chrome, Edge, Brave,
// Vivaldi, Opera): the JSON file named "Bookmarks" in a profile folder.
// Under "roots" it holds one node per root (bookmark_bar, other, synced);
// a node is an object with "type" "folder" and its "children", or "type"
// "url" and its "url". Each root that holds anything becomes a folder named
// as the file names it, with its contents in order.
//
// Chromium writes each node's keys in sorted order, so a folder's name
// follows its children: the whole file is read before the first item is
// given. A damaged or cut-off file gives the items read before the damage.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/item_source.h"

class ChromiumImporter final : public ItemSource {
public:
    explicit ChromiumImporter(const std::string& path);

    // Whether the first bytes of a file are those of a Chromium bookmarks
    // file: a JSON object whose first key is "checksum", "roots" or "version".
    static bool looksLikeChromiumBookmarks(std::string_view head);

    ItemCode next() override;
    void folder(ItemFields& fields) override;
    void link(ItemFields& fields) override;
    // NotFound or NoAccess when the file could not be opened, ReadFailed
    // when reading it failed, Damaged (at the byte where the JSON broke) when
    // it is no whole JSON text, NotRecognized when it holds no "roots".
    Result result() const override { return result_; }
    SkippedItems skipped() const override { return skipped_; }

private:
    // One node of the file; the first is the top, whose children are the roots.
    struct Node {
        static constexpr std::uint32_t kNone = 0xFFFFFFFF;
        enum class Type : std::uint8_t { Unknown, Folder, Url, Other };
        std::string title;
        std::string url;
        std::string rootKey;  // the root's key under "roots"; empty below them
        std::uint32_t parent = kNone;
        std::uint32_t firstChild = kNone;
        std::uint32_t lastChild = kNone;
        std::uint32_t nextSibling = kNone;
        Type type = Type::Unknown;
        bool hasChildren = false;  // a "children" array was met
        bool complete = false;     // its object was closed, not cut off
    };
    class Reader;  // builds the nodes from the JSON reader's events

    enum class Kind { Folder, Link, WithoutAddress, Ignored };
    Kind kindOf(const Node& node) const;
    // The first node from `index` on, among its siblings, that gives an item;
    // counts the ones it passes when `count`.
    std::uint32_t firstItem(std::uint32_t index, bool count);

    std::vector<Node> nodes_;
    std::uint32_t cursor_ = Node::kNone;  // the next sibling to look at
    std::uint32_t open_ = 0;              // the folder whose children are being given
    std::uint32_t given_ = Node::kNone;   // the item next() answered
    int unnamedFolderCount_ = 0;
    Result result_;
    SkippedItems skipped_;
};
