#pragma once

// Builds items from a source into the collection: the consumer side of an
// import where there is no tree view (the command-line tool, tests,
// benchmarks).

#include <cstddef>

#include "core/collection.h"
#include "core/item_source.h"

struct InsertedCounts {
    std::size_t folders = 0;
    std::size_t links = 0;
};

// Appends every item of `source` to `folder`, nested as the source nests
// them, until the EndOfFolder that closes the source's top level.
InsertedCounts insertItems(Collection& collection, Folder* folder, ItemSource& source);
