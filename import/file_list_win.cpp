#include "file_list.h"

#include <windows.h>

#include <cwchar>

#include "core/wide_text_win.h"
#include "import/shortcut_address.h"

namespace {
bool isDotEntry(const WIN32_FIND_DATAW& found) {
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
           (std::wcscmp(found.cFileName, L".") == 0 || std::wcscmp(found.cFileName, L"..") == 0);
}

std::string profileString(const wchar_t* section, const std::wstring& path) {
    std::wstring value(kShortcutValueCapacity + 1, L'\0');
    const DWORD length = ::GetPrivateProfileStringW(section, L"URL", L"", value.data(),
                                                    static_cast<DWORD>(value.size()), path.c_str());
    return narrowText(std::wstring_view(value.data(), length));
}
}  // namespace

std::uint32_t fileAttributes(const std::string& path) { return ::GetFileAttributesW(wideText(path).c_str()); }

struct DirectoryList::Platform {
    std::string folderPath;
    HANDLE search = INVALID_HANDLE_VALUE;
    std::string preparedPath;
    std::uint32_t preparedAttributes = 0;
    Result listed;

    // Takes the found entry, or the next one after "." and "..".
    void prepare(WIN32_FIND_DATAW& found) {
        while (isDotEntry(found)) {
            if (!::FindNextFileW(search, &found)) return;
        }
        preparedPath = joinPath(folderPath, narrowText(found.cFileName));
        preparedAttributes = found.dwFileAttributes;
    }
};

DirectoryList::DirectoryList(const std::string& folderPath) : platform_(std::make_unique<Platform>()) {
    platform_->folderPath = folderPath;
    WIN32_FIND_DATAW found;
    platform_->search = ::FindFirstFileW(wideText(joinPath(folderPath, "*.*")).c_str(), &found);
    if (platform_->search != INVALID_HANDLE_VALUE) {
        platform_->prepare(found);
        return;
    }
    // Only the root of a drive can list no entry at all, not even ".".
    const DWORD error = ::GetLastError();
    if (error == ERROR_PATH_NOT_FOUND)
        platform_->listed = Result::failure(ResultStatus::NotFound, folderPath);
    else if (error != ERROR_FILE_NOT_FOUND && error != ERROR_NO_MORE_FILES)
        platform_->listed = Result::failure(ResultStatus::NoAccess, folderPath);
}

Result DirectoryList::result() const { return platform_->listed; }

DirectoryList::~DirectoryList() {
    if (platform_->search != INVALID_HANDLE_VALUE) ::FindClose(platform_->search);
}

bool DirectoryList::next(std::string& path, std::uint32_t& attributes) {
    if (platform_->preparedPath.empty()) return false;
    path = std::move(platform_->preparedPath);
    attributes = platform_->preparedAttributes;
    platform_->preparedPath.clear();
    WIN32_FIND_DATAW found;
    if (::FindNextFileW(platform_->search, &found)) platform_->prepare(found);
    return true;
}

Result readShortcutUrl(const std::string& path, std::string& url) {
    const std::wstring widePath = wideText(path);
    const std::string wideUrl = profileString(L"InternetShortcut.W", widePath);
    ::SetLastError(ERROR_SUCCESS);
    url = shortcutAddress(wideUrl, profileString(L"InternetShortcut", widePath));
    if (!url.empty()) return {};
    // The system answers an empty address for a file it could not read, too.
    const DWORD error = ::GetLastError();
    if (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION)
        return Result::failure(ResultStatus::NoAccess, path);
    if (fileAttributes(path) == FileAttribute::Invalid) return Result::failure(ResultStatus::NotFound, path);
    return Result::failure(ResultStatus::NotRecognized, path);
}

std::string joinPath(const std::string& folderPath, const std::string& name) {
    if (!folderPath.empty() && (folderPath.back() == '\\' || folderPath.back() == '/')) return folderPath + name;
    return folderPath + "\\" + name;
}

std::string lastPathComponent(const std::string& path) {
    std::size_t separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}
