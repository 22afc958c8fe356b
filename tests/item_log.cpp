#include "item_log.h"

#include <algorithm>
#include <cstring>

std::string itemLog(ItemSource& source, int limit) {
    std::string log;
    int depth = 0;
    while (limit-- > 0) {
        ItemFields fields;
        switch (source.next()) {
        case ItemCode::EndOfFolder:
            log += "E\n";
            if (depth-- == 0) return log;
            break;
        case ItemCode::FolderItem:
            source.folder(fields);
            log += "F " + fields.title + " | " + fields.description + "\n";
            ++depth;
            break;
        case ItemCode::LinkItem:
            source.link(fields);
            log += "L " + fields.title + " | " + fields.description + " | " + fields.url + "\n";
            break;
        }
    }
    return log + "(no end)\n";
}

std::size_t MemorySource::read(char* buffer, std::size_t capacity) {
    std::size_t count = std::min(capacity, bytes_.size() - position_);
    std::memcpy(buffer, bytes_.data() + position_, count);
    position_ += count;
    return count;
}
