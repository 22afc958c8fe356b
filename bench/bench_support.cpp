#include "bench_support.h"

#include <filesystem>
#include <memory>

#include "core/file_io.h"

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

std::uint64_t peakMemoryBytes() {
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return counters.PeakWorkingSetSize;
#else
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<std::uint64_t>(usage.ru_maxrss) * 1024;
#endif
}

namespace {
constexpr std::size_t kBlock = 1 << 20;
}

double sequentialReadSeconds(const std::string& path) {
    std::unique_ptr<char[]> buffer(new char[kBlock]);
    Stopwatch watch;
    InputFile file;
    if (!file.open(path)) return 0;
    while (file.read(buffer.get(), kBlock) > 0) {
    }
    return watch.seconds();
}

double sequentialWriteSeconds(const std::string& path, std::uint64_t size, bool flushToDisk) {
    std::unique_ptr<char[]> buffer(new char[kBlock]());
    removeFile(path);
    Stopwatch watch;
    OutputFile file;
    if (!file.createNew(path)) return 0;
    for (std::uint64_t left = size; left > 0;) {
        std::size_t chunk = left < kBlock ? static_cast<std::size_t>(left) : kBlock;
        file.write(buffer.get(), chunk);
        left -= chunk;
    }
    if (flushToDisk)
        file.flushAndClose();
    else
        file.close();
    double seconds = watch.seconds();
    removeFile(path);
    return seconds;
}

std::uint64_t fileSize(const std::string& path) {
    InputFile file;
    return file.open(path) ? file.size() : 0;
}

std::string benchFolder(int argc, char** argv) {
    if (argc > 1) return argv[1];
    return std::filesystem::temp_directory_path().string();
}

double megabytes(std::uint64_t bytes) { return static_cast<double>(bytes) / 1e6; }
