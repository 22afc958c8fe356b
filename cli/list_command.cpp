#include "list_command.h"

#include <string>

#include "cli/console_output.h"
#include "core/collection.h"
#include "core/collection_walker.h"

namespace {
// Line breaks and other control bytes inside a field would break the
// one-node-a-line layout.
std::string oneLine(const std::string& text) {
    std::string line = text;
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return line;
}
}  // namespace

void printCollection(const Collection& collection, std::FILE* out) {
    std::string text = oneLine(collection.title.str()) + "\n";
    CollectionWalker walker(collection.childrenBegin(), collection.childrenEnd());
    std::size_t depth = 1;
    for (;;) {
        ItemCode code = walker.next();
        if (code == ItemCode::EndOfFolder) {
            if (--depth == 0) break;
            continue;
        }
        ItemFields fields;
        text.append(2 * depth, ' ');
        if (code == ItemCode::FolderItem) {
            walker.folder(fields);
            text += "+ " + oneLine(fields.title) + "\n";
            ++depth;
        } else {
            walker.link(fields);
            text += "- " + oneLine(fields.title) + " <" + oneLine(fields.url) + ">\n";
        }
        if (text.size() > (1 << 16)) {
            writeText(out, text);
            text.clear();
        }
    }
    writeText(out, text);
}

int runListCommand(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err) {
    if (arguments.size() != 1) {
        std::fputs("usage: linkhaven-cli list FILE.lhv\n", err);
        return 2;
    }
    const std::string& path = arguments[0];
    Collection collection;
    const Result loaded = collection.load(path);
    // Nothing was read from these: an empty tree would only mislead.
    if (loaded.status == ResultStatus::NotFound || loaded.status == ResultStatus::NoAccess ||
        loaded.status == ResultStatus::NotRecognized) {
        writeText(err, "linkhaven-cli: cannot open " + describe(loaded) + "\n");
        return 1;
    }
    printCollection(collection, out);
    if (loaded) return 0;
    std::fflush(out);
    writeText(err, "linkhaven-cli: " + describe(loaded) + "; shown is what could be read\n");
    return 1;
}
