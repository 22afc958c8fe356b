#pragma once

// The program's main window for a benchmark: OLE and the common controls
// set up, the English module from the program folder, 800 x 600 at the
// screen's corner, shown. Null when it cannot be made.

#include <windows.h>

HWND createBenchWindow();
