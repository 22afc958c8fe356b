#include "list_command.h"

#include <string>

#include "cli/console_output.h"
#include "core/collection.h"
#include "core/collection_walker.h"
#include "core/file_io.h"

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
            writeAnsiText(out, text);
            text.clear();
        }
    }
    writeAnsiText(out, text);
}

int runListCommand(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err) {
    if (arguments.size() != 1) {
        std::fputs("usage: linkhaven-cli list FILE.lhv\n", err);
        return 2;
    }
    const std::string& path = arguments[0];
    Collection collection;
    if (collection.load(path)) {
        printCollection(collection, out);
        return 0;
    }
    InputFile probe;
    if (!probe.open(path)) {
        std::fprintf(err, "linkhaven-cli: cannot open '%s'\n", path.c_str());
        return 1;
    }
    printCollection(collection, out);
    std::fflush(out);
    std::fprintf(err, "linkhaven-cli: '%s' is damaged or not a collection file; shown is what could be read\n",
                 path.c_str());
    return 1;
}
