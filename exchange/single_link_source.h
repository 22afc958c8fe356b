#pragma once

// One link as a source of items: the link, then the end.

#include <utility>

#include "core/item_source.h"

class SingleLinkSource final : public ItemSource {
public:
    explicit SingleLinkSource(ItemFields fields) : fields_(std::move(fields)) {}

    ItemCode next() override {
        if (delivered_) return ItemCode::EndOfFolder;
        delivered_ = true;
        return ItemCode::LinkItem;
    }
    void folder(ItemFields&) override {}
    void link(ItemFields& fields) override { fields = fields_; }

private:
    ItemFields fields_;
    bool delivered_ = false;
};
