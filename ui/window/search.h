#pragma once

// Find and Find next: the search dialog, and a depth-first walk over the tree
// control's items (collapsed folders included) from the selection.

#include <windows.h>
#include <commctrl.h>

#include "core/item_source.h"
#include "ui/window/search_match.h"

class BookmarkNode;

// The search of this process; its flags come from and go back to the settings.
extern SearchState searchState;

// The search dialog; true when confirmed with OK (then `state` holds its choices).
bool searchDialog(HWND owner, SearchState& state);

// The tree's items in display order, as a source of items. The control shows
// the collection item for item, so the walk goes over the nodes, which is the
// same order without asking the control about every item.
class TreeWalker final : public ItemSource {
public:
    // From `start`, or from the first top-level item when there is none.
    TreeWalker(HWND tree, HTREEITEM start);

    ItemCode next() override;
    void folder(ItemFields& fields) override;
    void link(ItemFields& fields) override;

    // Moves on: to the first child, else the next sibling, else the next
    // sibling of the nearest ancestor that has one.
    void advance();
    const BookmarkNode* currentNode() const { return current_; }
    // The item whose fields were read (or that was passed) last.
    HTREEITEM lastItem() const;

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
