#pragma once

// The file-system side of importing dropped files and folders: lists of
// paths with their Windows file attributes, and the address inside an
// Internet shortcut (.url) file. Paths and names are in UTF-8: the Windows
// versions use the system's wide file functions, the native ones give the
// same facts in the same order.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/result.h"

namespace FileAttribute {
constexpr std::uint32_t Directory = 0x10;
constexpr std::uint32_t Normal = 0x80;
constexpr std::uint32_t ReparsePoint = 0x400;
// What the system answers for a path that does not exist.
constexpr std::uint32_t Invalid = 0xFFFFFFFF;
}  // namespace FileAttribute

// The last component of a path: the file or folder name with its extension.
std::string lastPathComponent(const std::string& path);

class FileList {
public:
    virtual ~FileList() = default;
    // The next entry's full path and attributes; false when the list is done.
    virtual bool next(std::string& path, std::uint32_t& attributes) = 0;
    // Ok, or why the list could not be read (a folder that may not be listed).
    virtual Result result() const { return {}; }
};

// The attributes of the file or folder at `path`; FileAttribute::Invalid
// when there is none.
std::uint32_t fileAttributes(const std::string& path);

// A list of given paths, in the order given (a command line's arguments).
class PathList final : public FileList {
public:
    explicit PathList(std::vector<std::string> paths) : paths_(std::move(paths)) {}
    bool next(std::string& path, std::uint32_t& attributes) override;

private:
    std::vector<std::string> paths_;
    std::size_t index_ = 0;
};

// The entries of one folder, without "." and "..": names sorted without
// regard to case, the order in which Windows file systems list them.
class DirectoryList final : public FileList {
public:
    explicit DirectoryList(const std::string& folderPath);
    ~DirectoryList() override;
    DirectoryList(const DirectoryList&) = delete;
    DirectoryList& operator=(const DirectoryList&) = delete;
    bool next(std::string& path, std::uint32_t& attributes) override;
    Result result() const override;

private:
    struct Platform;
    std::unique_ptr<Platform> platform_;
};

// The address in a shortcut file (see shortcut_address.h), in UTF-8. Empty
// when the file is not a usable shortcut: then NotRecognized, or why the
// file could not be read.
Result readShortcutUrl(const std::string& path, std::string& url);

// A file or folder name as a title: names natively are bytes that are
// meant to be UTF-8, but need not be.
std::string fileNameAsTitle(const std::string& name);

// The folder path with `name` appended, a separator put between when the
// path lacks one at its end.
std::string joinPath(const std::string& folderPath, const std::string& name);
