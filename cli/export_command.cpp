#include "export_command.h"

#include "cli/console_output.h"
#include "core/collection.h"
#include "export/export_collection.h"
#include "export/url_export_error.h"

int runExportCommand(const std::vector<std::string>& arguments, std::FILE*, std::FILE* err) {
    if (arguments.size() != 3) {
        std::fputs("usage: linkhaven-cli export COLLECTION.lhv TEMPLATE.lht OUTPUT\n", err);
        return 2;
    }
    const std::string& collectionPath = arguments[0];
    const std::string& templatePath = arguments[1];
    const std::string& outputPath = arguments[2];

    Collection collection;
    // A damaged collection is not exported in part: the output would look complete.
    const Result loaded = collection.load(collectionPath);
    if (!loaded) {
        writeText(err, "linkhaven-cli: cannot read the collection " + describe(loaded) + "\n");
        return 1;
    }
    const Result exported = exportCollection(collection, templatePath, outputPath, collectionPath);
    if (!exported) {
        writeText(err, "linkhaven-cli: " + UrlExport::exportMessage(exported, templatePath, outputPath) + "\n");
        return 1;
    }
    return 0;
}
