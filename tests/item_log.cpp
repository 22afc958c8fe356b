#include "item_log.h"

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
