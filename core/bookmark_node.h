#pragma once

// The nodes of the bookmark tree: folders and links. A folder owns its
// children, which form a doubly linked list threaded through the nodes
// themselves, so a place in the list (a ChildPosition) stays valid while
// other children come and go, and a node costs no allocation besides itself.

#include <cstddef>

#include "node_text.h"

class CollectionFileReader;
class CollectionFileWriter;
class Folder;
class Link;

class BookmarkNode {
public:
    BookmarkNode(const BookmarkNode&) = delete;
    BookmarkNode& operator=(const BookmarkNode&) = delete;
    virtual ~BookmarkNode() = default;

    virtual Folder* asFolder() { return nullptr; }
    virtual Link* asLink() { return nullptr; }
    const Folder* asFolder() const { return const_cast<BookmarkNode*>(this)->asFolder(); }
    const Link* asLink() const { return const_cast<BookmarkNode*>(this)->asLink(); }

    // The node's body in the collection file format.
    virtual bool write(CollectionFileWriter& out) const;
    virtual bool read(CollectionFileReader& in);

    // The node's neighbours in its folder's list; null at either end.
    BookmarkNode* previousSibling() const { return previousSibling_; }
    BookmarkNode* nextSibling() const { return nextSibling_; }

    Folder* parent = nullptr;
    NodeText title;
    NodeText description;

protected:
    BookmarkNode() = default;

private:
    friend class Folder;
    friend class ChildPosition;
    BookmarkNode* previousSibling_ = nullptr;
    BookmarkNode* nextSibling_ = nullptr;
};

// A place in one folder's child list: one child, or the end just after the
// last child (which holds no node).
class ChildPosition {
public:
    ChildPosition() = default;
    explicit ChildPosition(BookmarkNode* node) : node_(node) {}

    BookmarkNode* node() const { return node_; }
    BookmarkNode* operator*() const { return node_; }
    bool isEnd() const { return node_ == nullptr; }
    ChildPosition& operator++() {
        node_ = node_->nextSibling_;
        return *this;
    }
    ChildPosition next() const { return ChildPosition(node_->nextSibling_); }
    friend bool operator==(ChildPosition a, ChildPosition b) { return a.node_ == b.node_; }

private:
    BookmarkNode* node_ = nullptr;
};

class Folder : public BookmarkNode {
public:
    Folder() = default;
    ~Folder() override { destroyChildren(); }

    using BookmarkNode::asFolder;
    Folder* asFolder() override { return this; }
    // Writes and reads the whole subtree without recursion, so any depth the
    // file allows fits on the stack.
    bool write(CollectionFileWriter& out) const override;
    bool read(CollectionFileReader& in) override;

    ChildPosition childrenBegin() const { return ChildPosition(firstChild_); }
    ChildPosition childrenEnd() const { return ChildPosition(); }
    std::size_t childCount() const { return childCount_; }

    // Links `node` (not yet in any list) into this folder just before `position`.
    void insertChild(ChildPosition position, BookmarkNode* node);
    // Unlinks a child without destroying it; the caller takes ownership.
    void unlinkChild(BookmarkNode* child);
    // Destroys every child and its subtree, iteratively.
    void destroyChildren();

    // Folders may be nested at most this deep below the folder being read or
    // written: a folder directly inside it is at level 1.
    static constexpr std::size_t kMaxDepth = 1000;

private:
    friend class Collection;
    BookmarkNode* firstChild_ = nullptr;
    BookmarkNode* lastChild_ = nullptr;
    std::size_t childCount_ = 0;
};

class Link : public BookmarkNode {
public:
    Link() = default;

    using BookmarkNode::asLink;
    Link* asLink() override { return this; }
    bool write(CollectionFileWriter& out) const override;
    bool read(CollectionFileReader& in) override;

    NodeText url;
};
