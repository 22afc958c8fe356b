#include "test_files.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "core/file_io.h"

namespace fs = std::filesystem;

TemporaryFolder::TemporaryFolder() {
    static std::atomic<unsigned> folderCounter{0};
    // Process ids are reused quickly under Wine, so the name also carries the time.
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path folder = fs::temp_directory_path() /
                      ("linkhaven-test-" + std::to_string(currentProcessId()) + "-" + std::to_string(now) + "-" +
                       std::to_string(folderCounter++));
    fs::remove_all(folder);
    fs::create_directories(folder);
    path_ = folder.string();
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string TemporaryFolder::file(const std::string& name) const { return (fs::path(path_) / name).string(); }

std::size_t TemporaryFolder::entryCount() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(path_), fs::directory_iterator()));
}

std::string readFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

bool fileExists(const std::string& path) { return fs::exists(path); }

std::string utf16Bytes(std::u16string_view units, bool bigEndian) {
    std::string bytes;
    for (char16_t unit : units) {
        const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}
