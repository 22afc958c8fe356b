#pragma once

// The one bookmark document: the root folder (whose title is the
// collection's title) and whether it changed since it was last cleared,
// loaded or saved. Every change to the tree goes through it.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "bookmark_node.h"
#include "file_io.h"
#include "progress.h"

class Collection : public Folder {
public:
    Collection() = default;

    // The first four bytes of every collection file.
    static constexpr std::uint32_t kFileMagic = 0x00005FA9;

    bool modified = false;

    void clear();

    using Folder::childrenBegin;
    using Folder::childrenEnd;

    static std::string_view titleOf(const BookmarkNode* node) { return node->title; }
    static std::string_view urlOf(const Link* link) { return link->url; }

    void setTitle(BookmarkNode* node, std::string_view text);
    void setDescription(BookmarkNode* node, std::string_view text);
    void setUrl(Link* link, std::string_view text);

    // Create an empty node just before `position` in `folder` (a position of
    // that folder's list, or its end) and answer the new node's position.
    ChildPosition insertFolder(Folder* folder, ChildPosition position);
    ChildPosition insertLink(Folder* folder, ChildPosition position);
    ChildPosition appendFolder(Folder* folder) { return insertFolder(folder, folder->childrenEnd()); }
    ChildPosition appendLink(Folder* folder) { return insertLink(folder, folder->childrenEnd()); }

    // Unlinks the node from its folder and destroys it with its subtree.
    // Never the root.
    void remove(BookmarkNode* node);

    // Links a node that is in no folder (with its subtree) just before
    // `position` in `folder`; the collection owns it from then on.
    void link(Folder* folder, ChildPosition position, BookmarkNode* node);
    // Unlinks the node from its folder without destroying it: the caller
    // owns it and its subtree. Never the root.
    BookmarkNode* unlink(BookmarkNode* node);

    // Puts the folder's children in the order `nextNode` yields them. It must
    // yield every current child exactly once; an enumeration that does not
    // (a stranger, a repeat, too few) leaves the order as it was and answers
    // false. Either way the collection counts as modified.
    bool reorderChildren(Folder* folder, const std::function<BookmarkNode*()>& nextNode);

    // The node's place in its parent's list; the end position when not found.
    static ChildPosition positionOf(const BookmarkNode* node);
    static ChildPosition childrenBegin(const Folder* folder) { return folder->childrenBegin(); }
    static ChildPosition childrenEnd(const Folder* folder) { return folder->childrenEnd(); }

    // Replaces the tree by the file's content. NotFound or NoAccess when the
    // file cannot be opened (then nothing changes); NotRecognized for another
    // kind of file; Damaged, TooDeep or ReadFailed with the byte offset where
    // reading stopped (then the tree holds what was read before). `modified`
    // is false afterwards unless the file could not be opened. `progress`,
    // if any, is told the bytes read.
    Result load(const std::string& path, Progress* progress = nullptr);
    // Ok when the file begins as a collection file does; NotRecognized when
    // it is another kind of file; NotFound or NoAccess when it cannot be read.
    static Result checkFileKind(const std::string& path);
    // Writes the whole tree to the file through a temporary beside it, so a
    // failure leaves an existing file whole: WriteFailed, or TooDeep for a
    // tree nested deeper than load() accepts. `progress`, if any, is told
    // the bytes written.
    Result save(const std::string& path, Progress* progress = nullptr);

    // The same from an open source and to a sink, without a path in the
    // result: `read` clears the tree first; `write` leaves `modified` as it is.
    Result readFile(ByteSource& source);
    Result writeFile(ByteSink& sink) const;
};
