#pragma once

// Files for tests: a fresh folder per test, and whole-file reads and writes.

#include <string>
#include <string_view>

class TemporaryFolder {
public:
    TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder();

    const std::string& path() const { return path_; }
    // The path of `name` inside the folder.
    std::string file(const std::string& name) const;
    // How many entries the folder holds.
    std::size_t entryCount() const;

private:
    std::string path_;
};

std::string readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);
// UTF-16 code units as the bytes a file or the registry holds, little-endian
// unless `bigEndian`.
std::string utf16Bytes(std::u16string_view units, bool bigEndian = false);
