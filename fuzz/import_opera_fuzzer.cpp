// Imports arbitrary bytes as an Opera hotlist: the import always ends, and
// yields no more items than the input has marker lines.

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
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = writeInputFile("bookmarks.adr", data, size);
    Collection collection;
    FileListImporter importer(std::make_unique<PathList>(std::vector<std::string>{path}));
    InsertedCounts counts = insertItems(collection, &collection, importer);
    if (counts.folders + counts.links > size / 4 + 1) std::abort();  // "#URL" is four bytes
    return 0;
}
