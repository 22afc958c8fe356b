#pragma once

#include <windows.h>

// Opens the link selected in the tree in the browser (through the registered
// browser command when `shiftHeld`), then minimizes the main window when the
// settings ask for it. False when no link is selected; true otherwise, even
// when the browser could not be started.
bool openSelectedLink(HWND mainWindow, HWND tree, bool shiftHeld);
