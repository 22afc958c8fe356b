// Reads arbitrary bytes as markup, stopping the reader after every few
// reports: the reports never differ from those of one uninterrupted read,
// and the reader always reaches the end.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <string>

#include "import/tag_reader.h"

namespace {
class BytesSource final : public ByteSource {
public:
    BytesSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::size_t read(char* buffer, std::size_t capacity) override {
        // Small pieces, so that every refill path of the reader is taken.
        std::size_t count = std::min({capacity, size_ - position_, std::size_t{7}});
        std::memcpy(buffer, data_ + position_, count);
        position_ += count;
        return count;
    }
    std::uint64_t size() const override { return size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

class Recorder final : public TagHandler {
public:
    explicit Recorder(unsigned stopEvery) : stopEvery_(stopEvery) {}
    std::string log;
    bool onText(const std::string& text) override {
        if (text.empty()) std::abort();
        log += "T" + text + '\0';
        return goOn();
    }
    bool onTag(const std::string& name, const AttributeMap& attributes) override {
        if (name.empty()) std::abort();
        log += "<" + name + '\0';
        std::string previous;
        for (const auto& [key, value] : attributes) {
            if (key.empty() || (!previous.empty() && key <= previous)) std::abort();
            previous = key;
            log += key + '=' + value + '\0';
        }
        return goOn();
    }

private:
    bool goOn() { return stopEvery_ == 0 || ++reports_ % stopEvery_ != 0; }
    unsigned stopEvery_;
    unsigned reports_ = 0;
};

std::string readAll(const std::uint8_t* data, std::size_t size, unsigned stopEvery) {
    BytesSource source(data, size);
    TagReader reader(source);
    Recorder recorder(stopEvery);
    for (std::size_t calls = 0; !reader.parse(recorder); ++calls)
        if (calls > size + 1) std::abort();  // every stop follows a report, which reads a byte
    return recorder.log;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const unsigned stopEvery = data[0] % 4;
    if (readAll(data + 1, size - 1, 0) != readAll(data + 1, size - 1, stopEvery)) std::abort();
    return 0;
}
