#include "same_file.h"

#include <windows.h>

#include "core/wide_text_win.h"

namespace {
class ScopedFileHandle {
public:
    explicit ScopedFileHandle(HANDLE handle) : handle_(handle) {}
    ScopedFileHandle(const ScopedFileHandle&) = delete;
    ScopedFileHandle& operator=(const ScopedFileHandle&) = delete;
    ~ScopedFileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
    }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

bool identify(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
    // No access rights are needed to read a file's identity, so a file that
    // another program holds open still answers.
    ScopedFileHandle file(::CreateFileW(wideText(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.get() != INVALID_HANDLE_VALUE && ::GetFileInformationByHandle(file.get(), &info);
}
}  // namespace

bool isSameExistingFile(const std::string& first, const std::string& second) {
    BY_HANDLE_FILE_INFORMATION a{}, b{};
    if (!identify(first, a) || !identify(second, b)) return false;
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
           a.nFileIndexLow == b.nFileIndexLow;
}
