#pragma once

// Find and Find next: the search dialog, and a depth-first walk over the
// collection from the selection.

#include <windows.h>
#include <commctrl.h>

#include "ui/search_match.h"

class BookmarkNode;

// The search dialog; true when confirmed with OK (then `state` holds its choices).
bool searchDialog(HWND owner, SearchState& state);

// The collection's nodes in the tree's order (closed folders included), one
// at a time from a start item to the last. A flat walk, not an item source:
// it never reports where a folder ends. It goes over the nodes, not the
// control's items, which exist only for folders once opened.
class TreeWalker {
public:
    // From `start`, or from the first top-level item when there is none.
    TreeWalker(HWND tree, HTREEITEM start);

    bool atEnd() const { return current_ == nullptr; }
    const BookmarkNode* currentNode() const { return current_; }
    // Moves on: to the first child, else the next sibling, else the next
    // sibling of the nearest ancestor that has one.
    void advance();
    // The node passed last.
    const BookmarkNode* lastNode() const { return last_; }

private:
    const BookmarkNode* current_;
    const BookmarkNode* last_ = nullptr;
};

// Selects the first matching item from the selection on (after it when
// `continuing`); false when there is none before the end.
bool findInTree(HWND tree, const SearchState& state, bool continuing);

// The commands.
void find(HWND mainWindow);
void findNext(HWND mainWindow);
