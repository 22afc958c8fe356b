#pragma once

// The main window: the tree on top, the description pane below, a splitter
// strip between them. It owns the document commands and hands the tree's
// commands to the tree view.

#include <windows.h>
#include <commctrl.h>

#include <string>

extern const wchar_t kMainWindowClass[];

bool registerMainWindowClass(HINSTANCE instance);
// The window with the settings' position and size, first brought onto a
// monitor (fitWindowToWorkArea), and the language module's menu; null when it
// cannot be made.
HWND createMainWindow(HINSTANCE instance);
// Shows the window as the program was started, maximised again when it was
// maximised at the last exit (and the start asked for no other state).
void showMainWindow(HWND mainWindow, int showState);
LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

HWND treeOf(HWND mainWindow);
HWND descriptionPaneOf(HWND mainWindow);

// Document operations.
void openCollection(HWND mainWindow, const std::string& path);
bool querySave(HWND mainWindow);
void saveCollection(HWND mainWindow);
void saveCollectionAs(HWND mainWindow);
void refreshAll(HWND mainWindow);
void updateCaption(HWND mainWindow);
void layoutPanes(HWND mainWindow, int clientWidth, int clientHeight);

// A menu or accelerator command.
void runCommand(HWND mainWindow, int id);
// Brings a popup menu up to date just before it drops down.
void updatePopupMenu(HWND mainWindow, HMENU popup);
