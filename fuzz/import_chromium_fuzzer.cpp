// Imports arbitrary bytes as a Chromium Bookmarks file: the import always
// ends, every link has an address with a scheme, and it yields no more items
// than the input has objects ("{}" is two bytes).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "core/address_scheme.h"
#include "core/collection.h"
#include "import/chromium_importer.h"
#include "import/item_insertion.h"

namespace {
// The input as a file, for the importer, which reads a path.
std::string writeInputFile(const std::uint8_t* data, std::size_t size) {
    const std::string path = "/tmp/linkhaven-fuzz-" + std::to_string(::getpid()) + "-Bookmarks";
    // Not flushed to the disk: only this process reads it back.
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) std::abort();
    return path;
}

void checkLinks(const Folder& top) {
    std::vector<const Folder*> open{&top};
    while (!open.empty()) {
        const Folder* folder = open.back();
        open.pop_back();
        for (ChildPosition p = folder->childrenBegin(); !p.isEnd(); ++p) {
            if (const Folder* sub = p.node()->asFolder()) open.push_back(sub);
            else if (addressScheme(p.node()->asLink()->url).empty()) std::abort();
        }
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ChromiumImporter importer(writeInputFile(data, size));
    Collection collection;
    const InsertedCounts counts = insertItems(collection, &collection, importer);
    if (counts.folders + counts.links > size / 2) std::abort();
    checkLinks(collection);
    return 0;
}
