// Loads arbitrary bytes as a collection file, then saves and reloads what was
// read: a load never crashes, and what it keeps always saves and loads again
// to the same tree.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "core/collection.h"
#include "core/file_io.h"

namespace {
std::string scratchPath(const char* name) {
    return "/tmp/linkhaven-fuzz-" + std::to_string(::getpid()) + "-" + name;
}

bool writeAll(const std::string& path, const std::uint8_t* data, std::size_t size) {
    removeFile(path);
    OutputFile file;
    return file.createNew(path) && file.write(reinterpret_cast<const char*>(data), size) &&
           file.flushAndClose();
}

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
    static const std::string input = scratchPath("input.lhv");
    static const std::string copy = scratchPath("copy.lhv");
    if (!writeAll(input, data, size)) std::abort();

    Collection collection;
    collection.load(input);
    if (collection.modified) std::abort();
    const std::size_t nodes = countNodes(collection);

    if (!collection.save(copy)) std::abort();
    Collection reread;
    if (!reread.load(copy) || countNodes(reread) != nodes || reread.title.view() != collection.title.view())
        std::abort();
    return 0;
}
