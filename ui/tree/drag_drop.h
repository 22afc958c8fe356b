#pragma once

// Dragging items out of the tree and dropping data onto it. Items dragged
// within the tree move (copy with Ctrl); data from elsewhere is copied in.
// A drop goes into the folder under the pointer (after the item, with Alt).

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

// Makes the tree a drop target; once, when the main window is made.
void registerDropTarget(HWND tree);
// Ends the tree's drop target and leaves what the program put on the
// clipboard there for other programs after it ends.
void shutdownDragDrop(HWND tree);
// Drags the item (TVN_BEGINDRAG); after a move it is deleted. True when the
// drag ended in a drop.
bool beginDrag(HWND tree, HTREEITEM item);
// The tree's drop target, as OLE's drag loop calls it; null while there is none.
IDropTarget* treeDropTarget();
