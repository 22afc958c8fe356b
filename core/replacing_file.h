#pragma once

#include <string>

#include "file_io.h"

// Writes a file so that a failure never damages what is already there: the
// bytes go to a new temporary file beside the target, and only when all of
// them were written, flushed and closed does that file replace the target.
// Whatever stops before commit() succeeds removes the temporary file.
class ReplacingFile final : public ByteSink {
public:
    explicit ReplacingFile(std::string targetPath) : target_(std::move(targetPath)) {}
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;
    ~ReplacingFile() override { discard(); }

    // Creates the temporary file; false when the folder cannot take it.
    bool open();
    bool write(const char* bytes, std::size_t size) override;
    // Flushes, closes and moves the temporary over the target. On false the
    // target is as it was and the temporary is gone.
    bool commit();
    void discard();

private:
    std::string target_;
    std::string temporary_;
    OutputFile file_;
    bool failed_ = false;
};
