#include "bookmark_node.h"

#include <cassert>

void Folder::insertChild(ChildPosition position, BookmarkNode* node) {
    BookmarkNode* before = position.node();
    assert(node->parent == nullptr && (before == nullptr || before->parent == this));
    node->parent = this;
    node->nextSibling_ = before;
    node->previousSibling_ = before ? before->previousSibling_ : lastChild_;
    if (node->previousSibling_)
        node->previousSibling_->nextSibling_ = node;
    else
        firstChild_ = node;
    if (before)
        before->previousSibling_ = node;
    else
        lastChild_ = node;
    ++childCount_;
}

void Folder::unlinkChild(BookmarkNode* child) {
    assert(child->parent == this);
    if (child->previousSibling_)
        child->previousSibling_->nextSibling_ = child->nextSibling_;
    else
        firstChild_ = child->nextSibling_;
    if (child->nextSibling_)
        child->nextSibling_->previousSibling_ = child->previousSibling_;
    else
        lastChild_ = child->previousSibling_;
    child->parent = nullptr;
    child->previousSibling_ = child->nextSibling_ = nullptr;
    --childCount_;
}

void Folder::destroyChildren() {
    // Deleting a folder with children would recurse once per level. Instead
    // each folder's children are spliced into the chain of nodes still to
    // delete before the folder goes, so every delete meets an empty folder.
    BookmarkNode* pending = firstChild_;
    firstChild_ = lastChild_ = nullptr;
    childCount_ = 0;
    while (pending) {
        BookmarkNode* node = pending;
        pending = node->nextSibling_;
        if (Folder* folder = node->asFolder(); folder && folder->firstChild_) {
            folder->lastChild_->nextSibling_ = pending;
            pending = folder->firstChild_;
            folder->firstChild_ = folder->lastChild_ = nullptr;
            folder->childCount_ = 0;
        }
        delete node;
    }
}
