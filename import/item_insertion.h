#pragma once

// Builds the items of a source into nodes: the consumer side of an import.

#include <cstddef>

#include "core/collection.h"
#include "core/item_source.h"
#include "core/progress.h"

struct InsertedCounts {
    std::size_t folders = 0;
    std::size_t links = 0;
    bool cancelled = false;  // the progress asked to stop: what was staged is to be dropped
};

// Builds every item of `source` into `staging`, a folder outside any
// collection, nested as the source nests them but never more than `levels`
// folders deep: the items of deeper folders go into the deepest one allowed.
// Ends at the EndOfFolder that closes the source's top level, or early when
// `progress` (told the items built so far) asks to stop.
InsertedCounts stageItems(Folder& staging, ItemSource& source, std::size_t levels, Progress* progress = nullptr);
// The folder levels a collection file still allows below `folder`.
std::size_t levelsAllowedBelow(const Folder* folder);

// Appends every item of `source` to `folder`, nested within the depth a
// collection file allows (where there is no tree view: the command-line
// tool, tests, benchmarks).
InsertedCounts insertItems(Collection& collection, Folder* folder, ItemSource& source);
