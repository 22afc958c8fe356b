#include "file_list.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>

#include "core/file_io.h"
#include "import/ini_reader.h"
#include "import/shortcut_address.h"

namespace {
// A shortcut is a few hundred bytes; read no more than this of one.
constexpr std::size_t kLargestShortcut = 1 << 20;

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The order of NTFS: names compared with ASCII letters upper-cased, then
// byte by byte.
bool listedBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(upper(x)) < static_cast<unsigned char>(upper(y));
    });
}
}  // namespace

std::uint32_t fileAttributes(const std::string& path) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0) return FileAttribute::Invalid;
    const bool isLink = S_ISLNK(link.st_mode);
    struct stat target = link;
    if (isLink && ::stat(path.c_str(), &target) != 0) return FileAttribute::Invalid;
    // Pipes, sockets and devices are no bookmark files (and opening a pipe
    // would wait for a writer): as if they were not there.
    if (!S_ISDIR(target.st_mode) && !S_ISREG(target.st_mode)) return FileAttribute::Invalid;
    std::uint32_t attributes = S_ISDIR(target.st_mode) ? FileAttribute::Directory : FileAttribute::Normal;
    // A symbolic link is what Windows calls a reparse point; one to a folder
    // keeps the folder's bit, so it is listed as a folder but not walked.
    if (isLink) attributes = FileAttribute::ReparsePoint | (attributes & FileAttribute::Directory);
    return attributes;
}

struct DirectoryList::Platform {
    std::string folderPath;
    std::vector<std::string> names;
    std::size_t index = 0;
    Result listed;
};

DirectoryList::DirectoryList(const std::string& folderPath) : platform_(std::make_unique<Platform>()) {
    platform_->folderPath = folderPath;
    // Read the whole folder at once: the order is sorted, and no handle stays
    // open while deeper folders are walked.
    DIR* folder = ::opendir(folderPath.c_str());
    if (!folder) {
        const ResultStatus status = errno == ENOENT ? ResultStatus::NotFound : ResultStatus::NoAccess;
        platform_->listed = Result::failure(status, folderPath);
        return;
    }
    while (const dirent* entry = ::readdir(folder)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") platform_->names.push_back(std::move(name));
    }
    ::closedir(folder);
    std::sort(platform_->names.begin(), platform_->names.end(), listedBefore);
}

DirectoryList::~DirectoryList() = default;

bool DirectoryList::next(std::string& path, std::uint32_t& attributes) {
    for (;;) {
        if (platform_->index == platform_->names.size()) return false;
        path = joinPath(platform_->folderPath, platform_->names[platform_->index++]);
        attributes = fileAttributes(path);
        // An entry removed since the folder was read is not listed.
        if (attributes != FileAttribute::Invalid) return true;
    }
}

Result DirectoryList::result() const { return platform_->listed; }

Result readShortcutUrl(const std::string& path, std::string& url) {
    url.clear();
    InputFile file;
    Result opened = file.open(path);
    if (!opened) return opened;
    std::string text(static_cast<std::size_t>(std::min<std::uint64_t>(file.size(), kLargestShortcut)), '\0');
    std::size_t got = 0;
    while (got < text.size()) {
        std::size_t read = file.read(text.data() + got, text.size() - got);
        if (read == 0) break;
        got += read;
    }
    if (file.failed()) return Result::failure(ResultStatus::ReadFailed, path, got);
    text.resize(got);
    url = shortcutAddress(readIniValue(text, "InternetShortcut.W", "URL", kShortcutValueCapacity + 1),
                          readIniValue(text, "InternetShortcut", "URL", kShortcutValueCapacity + 1));
    return url.empty() ? Result::failure(ResultStatus::NotRecognized, path) : Result();
}

std::string joinPath(const std::string& folderPath, const std::string& name) {
    if (!folderPath.empty() && folderPath.back() == '/') return folderPath + name;
    return folderPath + "/" + name;
}

std::string lastPathComponent(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
