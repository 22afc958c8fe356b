#include "import_command.h"

#include <string>

#include "cli/console_output.h"
#include "core/collection.h"
#include "import/file_list_importer.h"
#include "import/item_insertion.h"

namespace {
// "skipped 2 place: queries, 1 bookmark without an address, 3 other files":
// only the kinds there are; empty when nothing was skipped.
std::string skippedLine(const SkippedItems& skipped) {
    std::string line;
    const auto add = [&line](std::size_t count, const char* one, const char* many) {
        if (count == 0) return;
        line += (line.empty() ? "skipped " : ", ") + std::to_string(count) + " " + (count == 1 ? one : many);
    };
    add(skipped.queries, "place: query", "place: queries");
    add(skipped.withoutAddress, "bookmark without an address", "bookmarks without an address");
    add(skipped.otherFiles, "other file", "other files");
    return line.empty() ? line : line + "\n";
}
}  // namespace

int runImportCommand(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err) {
    if (arguments.size() < 2) {
        std::fputs("usage: linkhaven-cli import OUTPUT.lhv PATH...\n", err);
        return 2;
    }
    const std::string& outputPath = arguments[0];
    Collection collection;
    InsertedCounts total;
    SkippedItems skipped;
    // One path at a time, which appends the same items as one list of them
    // would, so that each can be told apart in a message.
    for (auto path = arguments.begin() + 1; path != arguments.end(); ++path) {
        FileListImporter importer(std::make_unique<PathList>(std::vector<std::string>{*path}));
        const InsertedCounts counts = insertItems(collection, &collection, importer);
        const Result imported = importer.result();
        skipped += importer.skipped();
        if (imported.status == ResultStatus::NotRecognized) {
            writeText(err, "linkhaven-cli: skipped " + describe(imported) + "\n");
        } else if (imported.status == ResultStatus::Damaged) {
            // A cut-off browser file still gives the bookmarks before the damage.
            writeText(err, "linkhaven-cli: imported what could be read of " + describe(imported) + "\n");
        } else if (!imported) {
            writeText(err, "linkhaven-cli: cannot import " + describe(imported) + "\n");
            return 1;
        } else if (counts.folders + counts.links == 0) {
            writeText(err, "linkhaven-cli: no bookmarks found in " + *path + "\n");
        }
        total.folders += counts.folders;
        total.links += counts.links;
    }
    const Result saved = collection.save(outputPath);
    if (!saved) {
        writeText(err, "linkhaven-cli: cannot save " + describe(saved) + "\n");
        return 1;
    }
    writeText(out, std::to_string(total.folders) + " folders, " + std::to_string(total.links) +
                       " links imported into '" + outputPath + "'\n" + skippedLine(skipped));
    return 0;
}
