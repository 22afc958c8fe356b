#include "file_list.h"

#include <windows.h>

#include <cstring>

namespace {
bool isDotEntry(const WIN32_FIND_DATAA& found) {
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
           (std::strcmp(found.cFileName, ".") == 0 || std::strcmp(found.cFileName, "..") == 0);
}
}  // namespace

std::uint32_t fileAttributes(const std::string& path) { return ::GetFileAttributesA(path.c_str()); }

struct DirectoryList::Platform {
    std::string folderPath;
    HANDLE search = INVALID_HANDLE_VALUE;
    std::string preparedPath;
    std::string preparedName;
    std::uint32_t preparedAttributes = 0;
    std::string lastName;
    Result listed;

    // Takes the found entry, or the next one after "." and "..".
    void prepare(WIN32_FIND_DATAA& found) {
        while (isDotEntry(found)) {
            if (!::FindNextFileA(search, &found)) return;
        }
        // A name the ANSI code page cannot hold comes with '?' in it, and no
        // file has that name: the short name opens the entry instead.
        const bool lossy = std::strchr(found.cFileName, '?') != nullptr && found.cAlternateFileName[0] != 0;
        preparedPath = joinPath(folderPath, lossy ? found.cAlternateFileName : found.cFileName);
        preparedName = found.cFileName;
        preparedAttributes = found.dwFileAttributes;
    }
};

DirectoryList::DirectoryList(const std::string& folderPath) : platform_(std::make_unique<Platform>()) {
    platform_->folderPath = folderPath;
    WIN32_FIND_DATAA found;
    platform_->search = ::FindFirstFileA(joinPath(folderPath, "*.*").c_str(), &found);
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
    platform_->lastName = std::move(platform_->preparedName);
    platform_->preparedPath.clear();
    WIN32_FIND_DATAA found;
    if (::FindNextFileA(platform_->search, &found)) platform_->prepare(found);
    return true;
}

std::string DirectoryList::lastName(const std::string&) const { return platform_->lastName; }

Result readShortcutUrl(const std::string& path, std::string& url) {
    char address[256] = {};
    ::SetLastError(ERROR_SUCCESS);
    ::GetPrivateProfileStringA("InternetShortcut", "URL", "", address, sizeof address, path.c_str());
    url = address;
    if (!url.empty()) return {};
    // The system answers an empty address for a file it could not read, too.
    const DWORD error = ::GetLastError();
    if (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION)
        return Result::failure(ResultStatus::NoAccess, path);
    if (fileAttributes(path) == FileAttribute::Invalid) return Result::failure(ResultStatus::NotFound, path);
    return Result::failure(ResultStatus::NotRecognized, path);
}

std::string fileNameAsTitle(const std::string& name) { return name; }

std::string joinPath(const std::string& folderPath, const std::string& name) {
    if (!folderPath.empty() && (folderPath.back() == '\\' || folderPath.back() == '/')) return folderPath + name;
    return folderPath + "\\" + name;
}

std::string lastPathComponent(const std::string& path) {
    std::size_t separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}
