#pragma once

// The bookmark tree view: a tree control that shows the collection. Every
// item holds a pointer to its node; commands read the selection from the
// control and change the collection through the edit history, which the
// control's items follow (tree_items.h).

#include <windows.h>
#include <commctrl.h>

#include "core/bookmark_node.h"
#include "core/item_source.h"
#include "import/item_insertion.h"
#include "ui/tree/tree_items.h"

// Image indexes of the tree's image list.
enum TreeImage { ClosedFolderImage = 0, OpenFolderImage = 1, LinkImage = 2 };

HWND createTreeView(HWND parent, const RECT& rect);
// Destroys the tree's image list, which the control leaves to its owner; as
// the tree goes.
void destroyTreeImages(HWND tree);

HTREEITEM selectedItem(HWND tree);
// The node of the selected item, or none.
BookmarkNode* selectedTreeNode(HWND tree);
HTREEITEM itemAtScreenPoint(HWND tree, int screenX, int screenY);
// True when `ancestor` is `item` itself or one of its parents.
bool isInSubtree(HWND tree, HTREEITEM item, HTREEITEM ancestor);

// Where a new item goes, given the selection: into a selected folder (when
// `into` is set), else just before a selected link (`into`) or just after
// the selection; at the end of the top level without a selection.
struct InsertPoint {
    Folder* folder;
    ChildPosition position;  // in `folder`, before which the node goes
};
InsertPoint resolveInsertPoint(HWND tree, HTREEITEM selected, bool into);

// How a new link or folder goes in beside the selection.
struct InsertOptions {
    bool into;                // see resolveInsertPoint
    bool select;              // the new item becomes the selection
    bool refreshDescription;  // without `select`: the pane shows the selection's description again
};
// What the user makes or adds: into a selected folder, and selected.
inline constexpr InsertOptions kNewItemOptions{.into = true, .select = true, .refreshDescription = true};
HTREEITEM insertLinkItem(HWND tree, const ItemFields& fields, HTREEITEM selected, InsertOptions options);
HTREEITEM insertFolderItem(HWND tree, const ItemFields& fields, HTREEITEM selected, InsertOptions options);
// Inserts everything the source yields at the target, in order, folders with
// their contents, as one step; only the first top-level item may be selected.
// Folders are never made more than Folder::kMaxDepth levels deep: the items
// of deeper folders go into the deepest allowed one. A long read shows its
// progress; cancelled, it adds nothing.
// Answers what came in.
InsertedCounts insertFromSource(HWND tree, ItemSource& source, HTREEITEM target, bool into, bool selectFirst);
// Removes the item's node, after asking for a folder with contents unless
// `skipConfirm`; the caller names the step.
void deleteItem(HWND tree, HTREEITEM item, bool skipConfirm);

// The tree's commands.
void newLink(HWND tree);
void newFolder(HWND tree);
void editProperties(HWND tree);
void deleteSelected(HWND tree);
void renameSelected(HWND tree);
void sortChildren(HWND tree);
// Undo and Redo: the node concerned is then selected and shown.
void undoStep(HWND tree);
void redoStep(HWND tree);

// A notification from the tree (control 1); answers the control's result.
LRESULT handleTreeNotification(HWND mainWindow, NMHDR* header);
// The main window's message, posted when a rename to an empty title is
// refused: it shows why once the edit has ended (see tree_view_win.cpp).
inline constexpr UINT kTitleRequiredMessage = WM_APP + 2;
