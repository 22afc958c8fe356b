#pragma once

// The shell's dialog for choosing a folder of the file system.

#include <windows.h>

#include <string>

// True with the folder's path when the user chose one.
bool chooseFolder(HWND owner, const std::string& title, std::string& chosen);
