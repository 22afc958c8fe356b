#pragma once

// Help: HTML pages beside the program, named by the language module.

#include <windows.h>

bool helpContents(HWND owner);
bool helpTopic(HWND owner, int topic);
// Nothing stays open to be closed: the pages are shown by the browser.
inline void helpQuit(HWND) {}
