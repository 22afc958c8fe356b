// The main window's document operations: open, save, save as, new, the
// recent collections, the caption, and the export through a template.

#include "ui/window/document_commands.h"

#include <shellapi.h>

#include <string>

#include "core/result.h"
#include "core/settings.h"
#include "core/wide_text_win.h"
#include "export/export_collection.h"
#include "export/url_export_error.h"
#include "ui/application.h"
#include "ui/tree/description_pane.h"
#include "ui/shell/file_dialog.h"
#include "ui/shell/language_modules.h"
#include "ui/shell/long_work.h"
#include "ui/window/export_name.h"
#include "import/file_list_importer.h"
#include "ui/window/import_commands.h"
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

// The language module's text `id` with %1 the result's file and %2 its byte offset.
std::string resultText(unsigned id, const Result& result) {
    return loadText(id, result.path, std::to_string(result.offset));
}

unsigned openFailureTextId(ResultStatus status) {
    switch (status) {
    case ResultStatus::NotFound: return IDS_OPEN_NOT_FOUND;
    case ResultStatus::NoAccess: return IDS_OPEN_NO_ACCESS;
    case ResultStatus::NotRecognized: return IDS_OPEN_NOT_RECOGNIZED;
    case ResultStatus::Damaged: return IDS_OPEN_DAMAGED;
    case ResultStatus::TooDeep: return IDS_OPEN_TOO_DEEP;
    case ResultStatus::ReadFailed: return IDS_OPEN_READ_FAILED;
    default: return IDS_CANNOT_OPEN;
    }
}

void reportFailedSave(HWND mainWindow, const Result& result) {
    const unsigned id = result.status == ResultStatus::TooDeep ? IDS_SAVE_TOO_DEEP : IDS_CANNOT_SAVE;
    showMessage(mainWindow, resultText(id, result), MB_OK);
}

// Saves the collection, with its progress past a second; says why it failed.
bool saveTo(HWND mainWindow, const std::string& path) {
    Result saved;
    {
        LongWork work(mainWindow, IDS_WORK_SAVING, false);
        saved = theApp.collection.save(path, &work);
    }
    if (!saved) {
        reportFailedSave(mainWindow, saved);
        return false;
    }
    theApp.history.markSaved();
    settings.addRecentFile(path);
    return true;
}

void clearTree(HWND mainWindow) {
    HWND tree = treeOf(mainWindow);
    UpdateLock lock(tree);
    ::SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}
}  // namespace

void updateCaption(HWND mainWindow) {
    std::string caption = theApp.collection.title.str();
    if (caption.empty()) caption = fileNameOf(theApp.mainWindowState.currentPath);
    if (caption.empty()) caption = loadText(IDS_APP_TITLE);
    ::SetWindowTextW(mainWindow, wideText(caption).c_str());
}

void refreshAll(HWND mainWindow) {
    rebuildTree(treeOf(mainWindow));
    updateCaption(mainWindow);
    showDescription(mainWindow);
}

void openCollection(HWND mainWindow, const std::string& path) {
    // Another kind of file never replaces what is open; a bookmark file may
    // come in instead.
    if (const Result kind = Collection::checkFileKind(path); kind.status == ResultStatus::NotRecognized) {
        if (bookmarkFileKind(path) == BookmarkFileKind::None) {
            showMessage(mainWindow, resultText(IDS_OPEN_NOT_RECOGNIZED, kind), MB_OK);
        } else if (showMessage(mainWindow, resultText(IDS_OPEN_OFFERS_IMPORT, kind),
                               MB_YESNO | MB_ICONQUESTION) == IDYES) {
            importPaths(mainWindow, {path});
        }
        return;
    }
    clearTree(mainWindow);
    // A file that opens replaces the collection even when it cannot be read
    // to the end; then the old path must go, or Save would write what was
    // read over the file the collection came from.
    Result loaded;
    {
        LongWork work(mainWindow, IDS_WORK_OPENING, false);
        loaded = theApp.collection.load(path, &work);
    }
    const bool opened = loaded.status != ResultStatus::NotFound && loaded.status != ResultStatus::NoAccess;
    if (opened) theApp.history.clear();
    if (loaded) {
        theApp.mainWindowState.currentPath = path;
        settings.addRecentFile(path);
    } else {
        if (opened) theApp.mainWindowState.currentPath.clear();
        showMessage(mainWindow, resultText(openFailureTextId(loaded.status), loaded), MB_OK);
    }
    refreshAll(mainWindow);
}

void saveCollection(HWND mainWindow) {
    if (theApp.mainWindowState.currentPath.empty()) {
        saveCollectionAs(mainWindow);
        return;
    }
    saveTo(mainWindow, theApp.mainWindowState.currentPath);
}

void saveCollectionAs(HWND mainWindow) {
    std::string path;
    if (!chooseFile(mainWindow, FileType::Collection, FileDialog::Mode::Save, theApp.mainWindowState.currentPath, path))
        return;
    if (!saveTo(mainWindow, path)) return;
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
    theApp.history.clear();
    theApp.mainWindowState.currentPath.clear();
    refreshAll(mainWindow);
}

void openCollectionCommand(HWND mainWindow) {
    if (!querySave(mainWindow)) return;
    std::string path;
    if (chooseFile(mainWindow, FileType::Collection, FileDialog::Mode::Open, "", path))
        openCollection(mainWindow, path);
}

void openRecentCollection(HWND mainWindow, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= settings.RecentFiles.size()) return;
    const std::string path = settings.RecentFiles[static_cast<std::size_t>(index)];
    if (path.empty()) return;
    if (::GetFileAttributesW(wideText(path).c_str()) == INVALID_FILE_ATTRIBUTES) {
        settings.removeRecentFile(path);
        showMessage(mainWindow, loadText(IDS_RECENT_MISSING, path), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (querySave(mainWindow)) openCollection(mainWindow, path);
}

void listRecentCollections(HMENU popup) {
    const auto exitPosition = [popup] {
        for (int i = 0; i < ::GetMenuItemCount(popup); ++i)
            if (::GetMenuItemID(popup, i) == IDM_EXIT) return i;
        return -1;
    };
    if (exitPosition() < 0) return;  // not the File menu
    // The list and the separator after it, as the last drop-down left them.
    bool listed = false;
    for (UINT id = IDM_RECENT_FIRST; id <= IDM_RECENT_LAST; ++id) listed |= ::DeleteMenu(popup, id, MF_BYCOMMAND) != 0;
    int position = exitPosition();
    if (listed) ::DeleteMenu(popup, --position, MF_BYPOSITION);
    int shown = 0;
    for (std::size_t i = 0; i < settings.RecentFiles.size(); ++i) {
        const std::string& path = settings.RecentFiles[i];
        if (path.empty()) continue;
        // "&1 C:\Path\File.lhv": the digit is the access key; an & in the path stays literal.
        std::string label = "&" + std::to_string(i + 1) + " ";
        for (char c : path) label += c == '&' ? std::string("&&") : std::string(1, c);
        ::InsertMenuW(popup, position + shown++, MF_BYPOSITION | MF_STRING, IDM_RECENT_FIRST + i,
                      wideText(label).c_str());
    }
    if (shown > 0) ::InsertMenuW(popup, position + shown, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

namespace {
// The beginning of the file, as much as isHtmlTemplate looks at; empty when it cannot be read.
std::string templateBeginning(const std::string& path) {
    HANDLE file = ::CreateFileW(wideText(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes(kTemplateSniffSize, '\0');
    DWORD read = 0;
    if (!::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) read = 0;
    ::CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

// The title of the collection, else its file's name without the extension,
// as a file name in the folder of the last export (before any, the
// collection's own folder).
std::string suggestedOutput(const std::string& templatePath) {
    const std::string& collectionPath = theApp.mainWindowState.currentPath;
    std::string title = theApp.collection.title.str();
    if (title.empty()) {
        title = fileNameOf(collectionPath);
        title = title.substr(0, title.rfind('.'));
    }
    const std::string folder = folderOf(settings.LastExport.empty() ? collectionPath : settings.LastExport);
    return suggestedExportPath(folder, title, loadText(IDS_EXPORT_DEFAULT_NAME),
                               isHtmlTemplate(templatePath, templateBeginning(templatePath)));
}

// Our own output, just written: opened as the shell opens a file of its kind.
void openExported(HWND mainWindow, const std::string& path) {
    const std::wstring file = wideText(path);
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    request.hwnd = mainWindow;
    request.lpVerb = L"open";
    request.lpFile = file.c_str();
    request.nShow = SW_SHOWNORMAL;
    ::ShellExecuteExW(&request);
}
}  // namespace

void exportCommand(HWND mainWindow) {
    std::string templatePath, outputPath;
    if (!chooseFile(mainWindow, FileType::Template, FileDialog::Mode::Open, settings.LastTemplate, templatePath))
        return;
    if (!chooseFile(mainWindow, FileType::ExportOutput, FileDialog::Mode::Save, suggestedOutput(templatePath),
                    outputPath))
        return;
    Result exported;
    {
        LongWork work(mainWindow, IDS_WORK_EXPORTING, false);
        exported = exportCollection(theApp.collection, templatePath, outputPath,
                                    theApp.mainWindowState.currentPath, &work);
    }
    if (!exported) {
        // The export leaves no partial output and keeps a file that was
        // already there, so nothing needs deleting here.
        showMessage(mainWindow, UrlExport::exportMessage(exported, templatePath, outputPath), MB_OK | MB_ICONHAND);
        return;
    }
    settings.LastTemplate = templatePath;
    settings.LastExport = outputPath;
    if (!runsWhenOpened(outputPath) &&
        showMessage(mainWindow, loadText(IDS_EXPORT_OPEN_RESULT, outputPath), MB_YESNO | MB_ICONQUESTION) == IDYES)
        openExported(mainWindow, outputPath);
}
