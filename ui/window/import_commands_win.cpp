#include "ui/window/import_commands.h"

#include <memory>

#include "core/ascii_case.h"
#include "import/file_list.h"
#include "import/file_list_importer.h"
#include "ui/application.h"
#include "ui/resource_ids.h"
#include "ui/shell/file_dialog.h"
#include "ui/shell/folder_dialog.h"
#include "ui/shell/language_modules.h"
#include "ui/shell/ui_services.h"
#include "ui/tree/import_summary.h"
#include "ui/tree/tree_view.h"
#include "ui/window/main_window.h"

void importPaths(HWND mainWindow, const std::vector<std::string>& paths) {
    HWND tree = treeOf(mainWindow);
    FileListImporter importer(std::make_unique<PathList>(paths));
    ImportSummary summary;
    {
        WaitCursor wait;
        EditStep step(theApp.history, {IDS_STEP_IMPORT, {}});
        summary.counts = insertFromSource(tree, importer, selectedItem(tree), true, true);
    }
    summary.result = importer.result();
    showImportSummary(mainWindow, summary);
}

void importFilesCommand(HWND mainWindow) {
    FileDialog dialog(mainWindow, FileType::BookmarkFiles, FileDialog::Mode::OpenSeveral);
    if (dialog.show()) importPaths(mainWindow, dialog.fileNames());
}

void importFolderCommand(HWND mainWindow) {
    std::string folder;
    if (chooseFolder(mainWindow, loadText(IDS_IMPORT_FOLDER_TITLE), folder)) importPaths(mainWindow, {folder});
}

bool isBookmarkFileName(const std::string& path) {
    const std::string name = lastPathComponent(path);
    const std::size_t dot = name.rfind('.');
    const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
    for (const char* known : {".html", ".htm", ".adr", ".url"})
        if (equalsIgnoringAsciiCase(extension, known)) return true;
    return equalsIgnoringAsciiCase(name, "Bookmarks");
}
