#include "file_io.h"

#include <windows.h>

#include "core/wide_text_win.h"

namespace {
HANDLE toHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }
std::intptr_t fromHandle(HANDLE handle) { return reinterpret_cast<std::intptr_t>(handle); }
}  // namespace

// INVALID_HANDLE_VALUE is (HANDLE)-1, the same value as kClosed.

Result InputFile::open(const std::string& path) {
    close();
    HANDLE file = ::CreateFileW(wideText(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
                             error == ERROR_INVALID_NAME || error == ERROR_BAD_NETPATH ||
                             error == ERROR_INVALID_DRIVE;
        return Result::failure(missing ? ResultStatus::NotFound : ResultStatus::NoAccess, path);
    }
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(file, &size)) {
        ::CloseHandle(file);
        return Result::failure(ResultStatus::NoAccess, path);
    }
    handle_ = fromHandle(file);
    size_ = static_cast<std::uint64_t>(size.QuadPart);
    return {};
}

std::size_t InputFile::read(char* buffer, std::size_t capacity) {
    if (handle_ == kClosed || failed_) return 0;
    DWORD chunk = capacity > 0x40000000 ? 0x40000000 : static_cast<DWORD>(capacity);
    DWORD got = 0;
    if (!::ReadFile(toHandle(handle_), buffer, chunk, &got, nullptr)) {
        failed_ = true;
        return 0;
    }
    return got;
}

void InputFile::close() {
    if (handle_ != kClosed) ::CloseHandle(toHandle(handle_));
    handle_ = kClosed;
    size_ = 0;
    failed_ = false;
}

bool OutputFile::createNew(const std::string& path) {
    close();
    HANDLE file = ::CreateFileW(wideText(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    handle_ = fromHandle(file);
    return true;
}

bool OutputFile::write(const char* bytes, std::size_t size) {
    if (handle_ == kClosed) return false;
    while (size > 0) {
        DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
        DWORD put = 0;
        if (!::WriteFile(toHandle(handle_), bytes, chunk, &put, nullptr) || put == 0) return false;
        bytes += put;
        size -= put;
    }
    return true;
}

bool OutputFile::flushAndClose() {
    if (handle_ == kClosed) return false;
    HANDLE file = toHandle(handle_);
    handle_ = kClosed;
    bool flushed = ::FlushFileBuffers(file) != 0;
    bool closed = ::CloseHandle(file) != 0;
    return flushed && closed;
}

void OutputFile::close() {
    if (handle_ != kClosed) ::CloseHandle(toHandle(handle_));
    handle_ = kClosed;
}

bool replaceFile(const std::string& source, const std::string& target) {
    // ReplaceFile gives the new content the target's own ACL, attributes and
    // streams, which a move would drop. When they cannot be carried over the
    // content is still replaced: losing the save would be worse.
    const std::wstring from = wideText(source), to = wideText(target);
    const DWORD attributes = ::GetFileAttributesW(to.c_str());
    // Wine's ReplaceFile would put the file in the place of a folder.
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return false;
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return ::ReplaceFileW(to.c_str(), from.c_str(), nullptr,
                              REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr,
                              nullptr) != 0;
    return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool removeFile(const std::string& path) { return ::DeleteFileW(wideText(path).c_str()) != 0; }

unsigned long currentProcessId() { return ::GetCurrentProcessId(); }
