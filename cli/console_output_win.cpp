#include "console_output.h"

#include <io.h>
#include <windows.h>

#include <string>

namespace {
std::wstring ansiToWide(std::string_view ansiText) {
    if (ansiText.empty()) return {};
    int size = static_cast<int>(ansiText.size());
    int length = ::MultiByteToWideChar(CP_ACP, 0, ansiText.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, ansiText.data(), size, wide.data(), length);
    return wide;
}
}  // namespace

std::string ansiToUtf8(std::string_view ansiText) {
    std::wstring wide = ansiToWide(ansiText);
    if (wide.empty()) return {};
    int size = static_cast<int>(wide.size());
    int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

void writeAnsiText(std::FILE* stream, std::string_view ansiText) {
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode;
    if (handle != INVALID_HANDLE_VALUE && ::GetConsoleMode(handle, &mode)) {
        std::fflush(stream);
        std::wstring wide = ansiToWide(ansiText);
        DWORD written;
        ::WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    std::string utf8 = ansiToUtf8(ansiText);
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
}
