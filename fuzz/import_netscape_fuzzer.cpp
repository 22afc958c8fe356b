// Imports arbitrary bytes as a Netscape bookmark file into a collection: the
// import always ends, never nests folders deeper than allowed, and what it
// builds saves as a collection file.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "core/collection.h"
#include "import/file_list_importer.h"
#include "import/item_insertion.h"

namespace {
// The input as a file, for the importers, which read a path.
std::string writeInputFile(const char* name, const std::uint8_t* data, std::size_t size) {
    const std::string path = "/tmp/linkhaven-fuzz-" + std::to_string(::getpid()) + "-" + name;
    // Not flushed to the disk: only this process reads it back.
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) std::abort();
    return path;
}
std::size_t depthOf(const Folder& folder) {
    std::size_t deepest = 0;
    for (ChildPosition p = folder.childrenBegin(); !p.isEnd(); ++p)
        if (const Folder* sub = p.node()->asFolder()) deepest = std::max(deepest, 1 + depthOf(*sub));
    return deepest;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = writeInputFile("bookmarks.html", data, size);
    Collection collection;
    FileListImporter importer(std::make_unique<PathList>(std::vector<std::string>{path}));
    InsertedCounts counts = insertItems(collection, &collection, importer);
    // Every folder needs a "<DL" and every link a "<A" of the input.
    if (counts.folders + counts.links > size / 3 + 1) std::abort();
    if (depthOf(collection) > Folder::kMaxDepth) std::abort();
    return 0;
}
