#pragma once

// Small helpers shared by the benchmarks: a stopwatch, the process's peak
// memory, and the floors (plain sequential reads and writes of a file) that
// a reader or writer is measured against.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

class Stopwatch {
public:
    Stopwatch() : start_(std::chrono::steady_clock::now()) {}
    double seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

private:
    std::chrono::steady_clock::time_point start_;
};

// The largest resident size the process has had so far, in bytes.
std::uint64_t peakMemoryBytes();

// Seconds to read the whole file sequentially in 1 MiB blocks.
double sequentialReadSeconds(const std::string& path);
// Seconds to write `size` bytes to a new file sequentially in 1 MiB blocks,
// then, when `flushToDisk`, wait for the disk as a save does; the file is
// removed again.
double sequentialWriteSeconds(const std::string& path, std::uint64_t size, bool flushToDisk = true);

std::uint64_t fileSize(const std::string& path);

// A folder for scratch files: the first argument, or the system's temporary folder.
std::string benchFolder(int argc, char** argv);

double megabytes(std::uint64_t bytes);
