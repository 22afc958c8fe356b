#pragma once

// The font of the two panes, described by the settings.

#include <windows.h>

// The settings' font for the display: height from the point size in tenths.
LOGFONTW paneLogFont();
// Gives every child of the main window the settings' font, then deletes the
// font it replaces.
void applyFont(HWND mainWindow, bool redraw);
// The font dialog; when confirmed the settings hold the chosen font.
bool chooseFont(HWND owner);
