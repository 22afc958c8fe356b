#include "command_line_arguments.h"

#include <windows.h>
#include <shellapi.h>

#include "core/wide_text_win.h"

// argv holds the ANSI code page's form, with '?' for what it lacks.
std::vector<std::string> commandLineArguments(int, char**) {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i) arguments.push_back(narrowText(wide[i]));
    if (wide) ::LocalFree(wide);
    return arguments;
}
