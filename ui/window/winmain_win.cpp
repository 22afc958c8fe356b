// The entry point of linkhaven.exe.

#include <windows.h>

#include "core/wide_text_win.h"
#include "ui/window/main_loop.h"

// The W entry point: a collection named in any script reaches the program
// whole (linked with -municode).
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int showState) {
    // Before anything loads a library by name: from the system folder only,
    // never from the program's folder or the current one. Language modules
    // are loaded by full path, as data.
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    return runProgram(instance, narrowText(commandLine ? commandLine : L"").c_str(), showState);
}
