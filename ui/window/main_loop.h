#pragma once

#include <windows.h>

// The program from start to exit: settings, language module, main window,
// the message loop, and the settings stored again at the end.
// `commandLine` is in UTF-8.
int runProgram(HINSTANCE instance, const char* commandLine, int showState);

// Loads the accelerator table of the current language module; the one last
// loaded is in force.
void loadAccelerators();
