// The entry point of linkhaven.exe.

#include <windows.h>

#include "ui/window/main_loop.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showState) {
    // Before anything loads a library by name: from the system folder only,
    // never from the program's folder or the current one. Language modules
    // are loaded by full path, as data.
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    return runProgram(instance, commandLine, showState);
}
