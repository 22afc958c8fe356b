#pragma once

// Cut, Copy and Paste of tree items, and the insertion of dropped or pasted
// data that dropping shares.

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

// Puts the selected item, with its subtree, on the clipboard; with `cut`,
// deletes it once the clipboard has taken it. True when it has.
bool copyToClipboard(HWND tree, bool cut);
// Inserts the items the data holds at the target (into a folder target when
// `into` is set) and selects the first. False when the data holds none.
bool insertFromDataObject(HWND tree, IDataObject* data, HTREEITEM target, bool into);
void pasteFromClipboard(HWND tree);
// Whether the clipboard holds data the tree takes.
bool clipboardHasItems();
