#include "import_command.h"

#include "core/collection.h"
#include "import/file_list_importer.h"
#include "import/item_insertion.h"

int runImportCommand(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err) {
    if (arguments.size() < 2) {
        std::fputs("usage: linkhaven-cli import OUTPUT.lhv PATH...\n", err);
        return 2;
    }
    const std::string& outputPath = arguments[0];
    Collection collection;
    FileListImporter importer(
        std::make_unique<PathList>(std::vector<std::string>(arguments.begin() + 1, arguments.end())));
    InsertedCounts counts = insertItems(collection, &collection, importer);
    if (!collection.save(outputPath)) {
        std::fprintf(err, "linkhaven-cli: cannot save '%s'\n", outputPath.c_str());
        return 1;
    }
    std::fprintf(out, "%zu folders, %zu links imported into '%s'\n", counts.folders, counts.links,
                 outputPath.c_str());
    return 0;
}
