#pragma once

#include <windows.h>

// The tree's context menu, whose commands go to the main window. By mouse it
// opens at the pointer and first selects the item under it (or none); by
// keyboard at the selected item.
void showContextMenu(HWND tree, bool byMouse);
// The menu for the current selection: for a link it begins with Open, its
// default item, and Copy address; otherwise without them. The caller
// destroys the menu; its first submenu is the one shown.
HMENU loadContextMenu(HWND tree);

// Copy address: the selected link's address as text on the clipboard; false
// without a selected link or when the clipboard cannot be had.
bool copySelectedAddress(HWND tree);
