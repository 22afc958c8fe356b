#pragma once

// The common controls (comctl32.dll), loaded rather than imported, from the
// system folder (see system_library.h). The version the program's manifest
// asks for still comes from the side-by-side store: LoadLibrary follows the
// manifest as the loader does.

#include <windows.h>

#include <commctrl.h>

// Registers the window classes of `classes` (ICC_...); false when the library
// or the classes are not there.
bool initCommonControls(DWORD classes);

HIMAGELIST createImageList(int width, int height, UINT flags, int initial, int grow);
// The index of the first image added, or -1.
int addMaskedImages(HIMAGELIST list, HBITMAP images, COLORREF mask);
void destroyImageList(HIMAGELIST list);
