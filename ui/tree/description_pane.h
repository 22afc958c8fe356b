#pragma once

// The read-only pane under the tree that shows the selected item's description.

#include <windows.h>

HWND createDescriptionPane(HWND parent, const RECT& area);
// Shows the description of the item selected in the main window's tree.
void showDescription(HWND mainWindow);
bool descriptionHasSelection(HWND pane);
