#pragma once

#include <windows.h>

// The document commands of the main window that start with a question or a
// file dialog.
void newCollection(HWND mainWindow);
void openCollectionCommand(HWND mainWindow);
void exportCommand(HWND mainWindow);
// Opens recent collection `index` of the settings, or says that it is gone
// and drops it from the list.
void openRecentCollection(HWND mainWindow, int index);
// In the File menu (the popup holding Exit), the recent collections just
// before Exit, numbered 1 to 4 as access keys; elsewhere nothing.
void listRecentCollections(HMENU popup);
