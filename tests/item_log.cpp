#include "item_log.h"

#include "tree_text.h"

std::string itemLog(ItemSource& source, int limit) {
    std::string log = "{";
    int depth = 0;
    while (limit-- > 0) {
        const ItemCode code = source.next();
        if (code == ItemCode::EndOfFolder) {
            log += "}";
            if (depth-- == 0) return log;
            continue;
        }
        if (log.back() != '{') log += ", ";
        ItemFields fields;
        if (code == ItemCode::FolderItem) {
            source.folder(fields);
            log += folderLabel(fields.title, fields.description) + "{";
            ++depth;
        } else {
            source.link(fields);
            log += linkText(fields.title, fields.description, fields.url);
        }
    }
    return log + " (no end)";
}
