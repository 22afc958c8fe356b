#pragma once

#include <windows.h>

// The tree's context menu, whose commands go to the main window. By mouse it
// opens at the pointer and first selects the item under it (or none); by
// keyboard at the selected item.
void showContextMenu(HWND tree, bool byMouse);
