#include "console_output.h"

#include <io.h>
#include <windows.h>

#include "core/wide_text_win.h"

void writeText(std::FILE* stream, std::string_view text) {
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode;
    if (handle != INVALID_HANDLE_VALUE && ::GetConsoleMode(handle, &mode)) {
        std::fflush(stream);
        const std::wstring wide = wideText(text);
        DWORD written;
        ::WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    std::fwrite(text.data(), 1, text.size(), stream);
}
