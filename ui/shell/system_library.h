#pragma once

// Functions of Windows libraries that are not KnownDLLs. Imported by name,
// such a library is looked for beside the program first, where a planted copy
// would run its code; loaded here it comes from the system folder only.

#include <windows.h>

// The function `name` of `library` in the system folder, or null. The library
// stays loaded for the life of the process.
FARPROC systemFunction(const wchar_t* library, const char* name);

template <typename Function>
Function* systemFunction(const wchar_t* library, const char* name) {
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(systemFunction(library, name)));
}
