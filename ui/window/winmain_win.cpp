// The entry point of linkhaven.exe.

#include <windows.h>

#include "ui/window/main_loop.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showState) {
    return runProgram(instance, commandLine, showState);
}
