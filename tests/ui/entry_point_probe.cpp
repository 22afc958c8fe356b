// A DLL that looks like a language module but carries code: when its entry
// point runs it leaves a file "<its own path>.ran" behind. No C++ library, so
// it loads without any runtime DLL.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        char path[MAX_PATH + 8];
        if (::GetModuleFileNameA(instance, path, MAX_PATH) == 0) return TRUE;
        ::lstrcatA(path, ".ran");
        HANDLE file = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
    }
    return TRUE;
}
