#include "ui/window/import_commands.h"

#include <memory>

#include "core/wide_text_win.h"
#include "import/browser_profiles.h"
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
    summary.skipped = importer.skipped();
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

namespace {
std::vector<BrowserProfile> profiles;  // as the menu last listed them

std::string environmentFolder(const wchar_t* name) {
    wchar_t value[MAX_PATH] = L"";
    const DWORD length = ::GetEnvironmentVariableW(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? narrowText(value) : std::string();
}
}  // namespace

std::vector<std::string> browserProfileLabels() {
    profiles = findBrowserProfiles(environmentFolder(L"LOCALAPPDATA"), environmentFolder(L"APPDATA"));
    std::vector<std::string> labels;
    for (const BrowserProfile& profile : profiles)
        labels.push_back(loadText(profile.path.empty() ? IDS_FIREFOX_WITHOUT_EXPORT : IDS_BROWSER_PROFILE,
                                profile.browser, profile.profile));
    return labels;
}

void importBrowserProfile(HWND mainWindow, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= profiles.size()) return;
    const BrowserProfile& profile = profiles[static_cast<std::size_t>(index)];
    if (profile.path.empty())
        showMessageId(mainWindow, IDS_FIREFOX_HOW_TO_EXPORT, MB_OK | MB_ICONINFORMATION);
    else
        importPaths(mainWindow, {profile.path});
}
