#include "replacing_file.h"

#include <atomic>

namespace {
std::atomic<unsigned> temporaryCounter{0};
constexpr int kNameAttempts = 100;
}  // namespace

bool ReplacingFile::open() {
    discard();
    failed_ = false;
    // A name taken by another writer (or a stale temporary) is skipped, never reused.
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string candidate = target_ + ".~" + std::to_string(currentProcessId()) + "-" +
                                std::to_string(temporaryCounter++) + ".tmp";
        if (file_.createNew(candidate)) {
            temporary_ = std::move(candidate);
            return true;
        }
    }
    return false;
}

bool ReplacingFile::write(const char* bytes, std::size_t size) {
    if (failed_ || !file_.isOpen()) return false;
    if (!file_.write(bytes, size)) failed_ = true;
    return !failed_;
}

bool ReplacingFile::commit() {
    if (failed_ || !file_.isOpen()) {
        discard();
        return false;
    }
    if (!file_.flushAndClose() || !replaceFile(temporary_, target_)) {
        discard();
        return false;
    }
    temporary_.clear();
    return true;
}

void ReplacingFile::discard() {
    file_.close();
    if (!temporary_.empty()) removeFile(temporary_);
    temporary_.clear();
}
