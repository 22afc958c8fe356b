#pragma once

#include <windows.h>

// The document commands of the main window that start with a question or a
// file dialog.
void newCollection(HWND mainWindow);
void openCollectionCommand(HWND mainWindow);
void exportCommand(HWND mainWindow);
