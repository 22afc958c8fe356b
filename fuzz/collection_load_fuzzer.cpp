// Reads arbitrary bytes as a collection file, then writes and rereads what
// was read: a load never crashes, and what it keeps always writes and reads
// again to the same tree.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/collection.h"
#include "core/memory_bytes.h"

namespace {
std::size_t countNodes(const Folder& folder) {
    std::size_t count = 0;
    for (ChildPosition p = folder.childrenBegin(); !p.isEnd(); ++p) {
        ++count;
        if (const Folder* sub = p.node()->asFolder()) count += countNodes(*sub);
    }
    return count;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemorySource input(std::string_view(reinterpret_cast<const char*>(data), size));
    Collection collection;
    collection.readFile(input);
    if (collection.modified) std::abort();

    MemorySink copy;
    if (!collection.writeFile(copy)) std::abort();
    MemorySource reread(copy.bytes());
    Collection again;
    if (!again.readFile(reread) || countNodes(again) != countNodes(collection) ||
        again.title.view() != collection.title.view())
        std::abort();
    return 0;
}
