#pragma once

// What shows the collection (the window's tree control) and follows each
// change that the edit history makes to it, so the two never disagree.

class BookmarkNode;
class Folder;

class CollectionView {
public:
    virtual ~CollectionView() = default;
    // `node` and its subtree have just been linked into the node's folder.
    virtual void inserted(BookmarkNode* node) = 0;
    // `node` and its subtree are about to leave their folder (they stay alive).
    virtual void removing(BookmarkNode* node) = 0;
    // A text of `node` changed; the root's title is the collection's.
    virtual void changed(BookmarkNode* node) = 0;
    // The children of `folder` are in a new order.
    virtual void reordered(Folder* folder) = 0;
    // `node` and its subtree, in no folder, are about to be destroyed.
    virtual void discarding(const BookmarkNode* /*node*/) {}
};
