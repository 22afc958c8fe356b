// The main window's document operations: open, save, save as, new, the
// caption, and the export through a template.

#include "ui/window/document_commands.h"

#include <string>

#include "core/file_io.h"
#include "core/settings.h"
#include "export/export_collection.h"
#include "export/url_export_error.h"
#include "ui/application.h"
#include "ui/tree/description_pane.h"
#include "ui/shell/file_dialog.h"
#include "ui/shell/language_modules.h"
#include "ui/window/main_window.h"
#include "ui/resource_ids.h"
#include "ui/tree/tree_view.h"
#include "ui/shell/ui_services.h"

namespace {
// Asks for a file of the given type; true with its name when one was chosen.
bool chooseFile(HWND owner, FileType type, FileDialog::Mode mode, const std::string& initialName,
                std::string& chosen) {
    FileDialog dialog(owner, type, mode, initialName);
    if (!dialog.show()) return false;
    chosen = dialog.fileName();
    return true;
}

// The file name with its extension, without the folders before it.
std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void clearTree(HWND mainWindow) {
    HWND tree = treeOf(mainWindow);
    UpdateLock lock(tree);
    ::SendMessageA(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}
}  // namespace

void updateCaption(HWND mainWindow) {
    std::string caption = theApp.collection.title.str();
    if (caption.empty()) caption = fileNameOf(theApp.mainWindowState.currentPath);
    if (caption.empty()) caption = loadText(IDS_APP_TITLE);
    ::SetWindowTextA(mainWindow, caption.c_str());
}

void refreshAll(HWND mainWindow) {
    rebuildTree(treeOf(mainWindow));
    updateCaption(mainWindow);
    showDescription(mainWindow);
}

void openCollection(HWND mainWindow, const std::string& path) {
    clearTree(mainWindow);
    WaitCursor wait;
    // A file that opens replaces the collection even when it cannot be read
    // to the end; then the old path must go, or Save would write what was
    // read over the file the collection came from.
    const bool opens = InputFile().open(path);
    if (theApp.collection.load(path)) {
        theApp.mainWindowState.currentPath = path;
    } else {
        if (opens) theApp.mainWindowState.currentPath.clear();
        showMessageId(mainWindow, IDS_CANNOT_OPEN, MB_OK);
    }
    refreshAll(mainWindow);
}

void saveCollection(HWND mainWindow) {
    if (theApp.mainWindowState.currentPath.empty()) {
        saveCollectionAs(mainWindow);
        return;
    }
    WaitCursor wait;
    if (!theApp.collection.save(theApp.mainWindowState.currentPath)) showMessageId(mainWindow, IDS_CANNOT_SAVE, MB_OK);
}

void saveCollectionAs(HWND mainWindow) {
    std::string path;
    if (!chooseFile(mainWindow, FileType::Collection, FileDialog::Mode::Save, theApp.mainWindowState.currentPath, path))
        return;
    WaitCursor wait;
    if (!theApp.collection.save(path)) {
        showMessageId(mainWindow, IDS_CANNOT_SAVE, MB_OK);
        return;
    }
    theApp.mainWindowState.currentPath = path;
    updateCaption(mainWindow);
}

bool querySave(HWND mainWindow) {
    if (!theApp.collection.modified) return true;
    const int answer =
        settings.AutoSave ? IDYES : showMessageId(mainWindow, IDS_ASK_SAVE, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDNO) return true;
    if (answer != IDYES) return false;
    saveCollection(mainWindow);
    return !theApp.collection.modified;
}

void newCollection(HWND mainWindow) {
    if (!querySave(mainWindow)) return;
    clearTree(mainWindow);
    theApp.collection.clear();
    theApp.mainWindowState.currentPath.clear();
    refreshAll(mainWindow);
}

void openCollectionCommand(HWND mainWindow) {
    if (!querySave(mainWindow)) return;
    std::string path;
    if (chooseFile(mainWindow, FileType::Collection, FileDialog::Mode::Open, "", path))
        openCollection(mainWindow, path);
}

void exportCommand(HWND mainWindow) {
    std::string templatePath, outputPath;
    if (!chooseFile(mainWindow, FileType::Template, FileDialog::Mode::Open, settings.LastTemplate, templatePath))
        return;
    if (!chooseFile(mainWindow, FileType::ExportOutput, FileDialog::Mode::Save, settings.LastExport, outputPath))
        return;
    try {
        WaitCursor wait;
        exportCollection(theApp.collection, templatePath, outputPath);
    } catch (const UrlExport::Error& error) {
        // The export leaves no partial output and keeps a file that was
        // already there, so nothing needs deleting here.
        char text[512];
        error.formatMessage(text, sizeof text, templatePath, outputPath);
        showMessage(mainWindow, text, MB_OK | MB_ICONHAND);
        return;
    }
    settings.LastTemplate = templatePath;
    settings.LastExport = outputPath;
}
