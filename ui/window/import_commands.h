#pragma once

// File > Import and Import Folder: bookmark files, hotlists, shortcuts and
// folders of them go in at the selection as a drop there would put them, as
// one step, followed by a summary of what came in.

#include <windows.h>

#include <string>
#include <vector>

void importFilesCommand(HWND mainWindow);
void importFolderCommand(HWND mainWindow);
void importPaths(HWND mainWindow, const std::vector<std::string>& paths);

// The menu of browser profiles found on this computer: their labels, found
// anew; and the import of the one at `index`.
std::vector<std::string> browserProfileLabels();
void importBrowserProfile(HWND mainWindow, int index);

