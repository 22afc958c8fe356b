// Stands in for a web browser: writes its arguments (as UTF-8) and the show
// command it was started with to the file named by LINKHAVEN_RECORD_FILE.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "core/wide_text_win.h"

int main() {
    wchar_t path[MAX_PATH];
    if (!::GetEnvironmentVariableW(L"LINKHAVEN_RECORD_FILE", path, MAX_PATH)) return 1;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoW(&startup);
    const std::wstring temporary = std::wstring(path) + L".part";
    std::FILE* out = ::_wfopen(temporary.c_str(), L"wb");
    if (!out) return 1;
    std::fprintf(out, "show=%d\n", (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1);
    // The command line as the program got it, in UTF-16.
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    for (int i = 1; arguments && i < count; ++i) std::fprintf(out, "arg=%s\n", narrowText(arguments[i]).c_str());
    ::LocalFree(arguments);
    std::fclose(out);
    ::MoveFileW(temporary.c_str(), path);  // the file appears whole
    return 0;
}
