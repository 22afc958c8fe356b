#pragma once

// Opening the link selected in the tree.

#include <windows.h>

// Opens the link selected in the tree (whose items carry their bookmark node
// as item data), with the registered browser command when `shiftHeld`, then
// minimises the main window when MinOnUse is set and the launch succeeded.
// An address that is no absolute address is explained and not opened; one of
// a scheme other than the web's and mail's is opened only if the user says
// so. False when no link is selected.
bool openSelectedLink(HWND mainWindow, HWND tree, bool shiftHeld);
