#pragma once

// Test helpers for item sources: what a source yields as one comparable
// text, and bytes in memory as a byte source.

#include <string>

#include "core/file_io.h"
#include "core/item_source.h"

// Every item until the EndOfFolder that closes the top level, one a line:
//   F title | description        a folder (its items follow, then E)
//   L title | description | url  a link
//   E                            the end of a folder (the last closes the top)
// Stops after `limit` items, so that a source that never ends fails a test
// instead of hanging it.
std::string itemLog(ItemSource& source, int limit = 100000);

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string bytes) : bytes_(std::move(bytes)) {}
    std::size_t read(char* buffer, std::size_t capacity) override;
    std::uint64_t size() const override { return bytes_.size(); }

private:
    std::string bytes_;
    std::size_t position_ = 0;
};
