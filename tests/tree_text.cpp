#include "tree_text.h"

#include <cstdio>

#include "core/collection.h"

std::string quotedBytes(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || c == '"' || c == '\\') {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

namespace {
void append(std::string& out, const BookmarkNode& node, int depth) {
    out.append(2 * depth, ' ');
    if (const Link* link = node.asLink()) {
        out += "L " + quotedBytes(link->title) + " " + quotedBytes(link->description) + " " + quotedBytes(link->url) + "\n";
        return;
    }
    const Folder& folder = *node.asFolder();
    out += "F " + quotedBytes(folder.title) + " " + quotedBytes(folder.description) + "\n";
    for (ChildPosition p = folder.childrenBegin(); !p.isEnd(); ++p) append(out, *p.node(), depth + 1);
}
}  // namespace

std::string treeText(const Folder& root) {
    std::string out;
    append(out, root, 0);
    return out;
}
