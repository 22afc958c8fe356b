#pragma once

// The tree control's items and the nodes they show. Items exist only for what
// has been seen: the top level when a collection opens, a folder's children
// when the folder is first opened. So a million-node collection opens as fast
// as its top level, and the control's memory follows what the user looked at.
// A folder's children have items all together or not at all; `cChildren`
// gives a folder whose children have none yet its button.

#include <windows.h>
#include <commctrl.h>

#include "core/bookmark_node.h"

BookmarkNode* nodeOfItem(HWND tree, HTREEITEM item);
// The item in `relation` (TVGN_CHILD, TVGN_PARENT, ...) to `item`, or none.
HTREEITEM nextItem(HWND tree, HTREEITEM item, UINT relation);
bool isExpanded(HWND tree, HTREEITEM item);
// The item that shows the node, or none (a folder above it was never
// opened). Asking the control instead would cost a search of all its items
// under Wine.
HTREEITEM itemOfNode(const BookmarkNode* node);
// Gives every folder above the node its children's items, so that the node
// has one; answers it (none for a node outside the collection).
HTREEITEM showItemOf(HWND tree, const BookmarkNode* node);
// Gives the children of the folder shown by `item` their items, if they have
// none yet; the control asks for it as the folder opens (TVN_ITEMEXPANDING).
void fillFolderItems(HWND tree, HTREEITEM item);
// Fills the folder's items first: a folder once opened while empty is not
// announced again when the program expands it.
void expandFolderItem(HWND tree, HTREEITEM item, UINT action = TVE_EXPAND);

// Follow the collection: the item of a node just linked in (made only when
// its folder's children have items or the folder is open; answers it, or
// none), and of a node about to be unlinked.
HTREEITEM insertNodeItem(HWND tree, BookmarkNode* node);
void removeNodeItem(HWND tree, const BookmarkNode* node);
void setItemText(HWND tree, HTREEITEM item, const BookmarkNode* node);
// Puts the items of the folder's children in the children's order.
void reorderItems(HWND tree, Folder* folder);
// Deletes every item and makes those of the collection's top level.
void rebuildTree(HWND tree);
