#pragma once

// Hands a range of sibling nodes, with everything inside them, out as items.
// Every range, the given one and each folder's contents, ends with exactly
// one EndOfFolder. The tree must not change while a walker is in use.

#include <utility>
#include <vector>

#include "collection.h"
#include "item_source.h"

class CollectionWalker final : public ItemSource {
public:
    CollectionWalker(ChildPosition first, ChildPosition end);

    ItemCode next() override;
    void folder(ItemFields& fields) override;
    void link(ItemFields& fields) override;

private:
    // (current, end) of every range still open; the back is the innermost.
    std::vector<std::pair<ChildPosition, ChildPosition>> ranges_;
};
