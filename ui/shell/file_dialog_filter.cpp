#include "ui/shell/file_dialog_filter.h"

#include "ui/resource_ids.h"

namespace {
const FileTypeRow kRows[] = {
    {"lhv", IDS_FILTER_COLLECTIONS, 0, false},
    {"lht", IDS_FILTER_TEMPLATES, IDS_TEMPLATE_DIALOG_TITLE, true},
    {"", 0, IDS_EXPORT_DIALOG_TITLE, true},
    // Chromium's bookmark file is "Bookmarks", without an extension.
    {"", IDS_FILTER_BOOKMARK_FILES, IDS_IMPORT_DIALOG_TITLE, true, "*.html;*.htm;*.adr;*.url;Bookmarks"},
};
}  // namespace

const FileTypeRow& fileTypeRow(FileType type) { return kRows[static_cast<int>(type)]; }

std::string buildFilterList(const std::string& filterName, const std::string& extension,
                            const std::string* allFilesName) {
    std::string list;
    if (!filterName.empty() && !extension.empty()) {
        list += filterName;
        list += '\0';
        list += "*." + extension;
        list += '\0';
    }
    if (allFilesName) {
        list += *allFilesName;
        list += '\0';
        list += "*.*";
        list += '\0';
    }
    list += '\0';
    return list;
}
