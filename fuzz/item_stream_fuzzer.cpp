// Reads arbitrary bytes as an own-format clipboard block: never reads past
// the block, always ends, and what it yields writes out again to a block
// that reads back to the same items.

#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "exchange/item_stream.h"

namespace {
// Every item a source yielded, replayable as a source of its own.
class Recording final : public ItemSource {
public:
    explicit Recording(ItemSource& source) {
        for (int depth = 0;;) {
            ItemFields fields;
            ItemCode code = source.next();
            if (code == ItemCode::FolderItem) source.folder(fields), ++depth;
            if (code == ItemCode::LinkItem) source.link(fields);
            items_.push_back({code, fields});
            if (code == ItemCode::EndOfFolder && depth-- == 0) break;
            if (items_.size() > 1000000) std::abort();  // a stream must end
        }
    }
    void rewind() { at_ = 0; }
    ItemCode next() override {
        ItemCode code = items_[at_].first;
        if (code == ItemCode::EndOfFolder) ++at_;
        return code;
    }
    void folder(ItemFields& fields) override { fields = items_[at_++].second; }
    void link(ItemFields& fields) override { fields = items_[at_++].second; }

    bool operator==(const Recording& other) const {
        if (items_.size() != other.items_.size()) return false;
        for (std::size_t i = 0; i < items_.size(); ++i) {
            const auto& [code, fields] = items_[i];
            const auto& [otherCode, otherFields] = other.items_[i];
            if (code != otherCode || fields.title != otherFields.title || fields.url != otherFields.url ||
                fields.description != otherFields.description)
                return false;
        }
        return true;
    }

private:
    std::vector<std::pair<ItemCode, ItemFields>> items_;
    std::size_t at_ = 0;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exact copy, so that a read past the block is caught.
    std::unique_ptr<char[]> block(new char[size]);
    std::copy(data, data + size, block.get());
    ItemStreamSource source(block.get(), size);
    Recording first(source);

    std::string written(measureItemStream(first), '\0');
    first.rewind();
    writeItemStream(first, written.data());

    ItemStreamSource reread(written.data(), written.size());
    Recording second(reread);
    if (!(first == second)) std::abort();
    return 0;
}
