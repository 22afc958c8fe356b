// The main window's command table: menu items and accelerator keys.

#include "ui/window/main_window.h"

#include "core/settings.h"
#include "ui/shell/browser_window_capture.h"
#include "export/url_export_error.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/tree/clipboard_commands.h"
#include "ui/tree/context_menu.h"
#include "ui/tree/open_link.h"
#include "ui/application.h"
#include "ui/tree/description_pane.h"
#include "ui/window/document_commands.h"
#include "ui/window/import_commands.h"
#include "ui/shell/help.h"
#include "ui/dialogs/item_dialogs.h"
#include "ui/shell/language_modules.h"
#include "ui/window/main_loop.h"
#include "ui/shell/pane_font.h"
#include "ui/resource_ids.h"
#include "ui/window/search.h"
#include "ui/tree/tree_view.h"

namespace {
bool treeFocused(HWND mainWindow) { return theApp.mainWindowState.focusedPane == treeOf(mainWindow); }

void editTitle(HWND mainWindow) {
    std::string title = theApp.collection.title.str();
    if (!editCollectionTitle(mainWindow, title)) return;
    EditStep step(theApp.history, {IDS_STEP_COLLECTION_TITLE, {}});
    theApp.history.setText(&theApp.collection, NodeField::Title, title);
}

void switchPane(HWND mainWindow) {
    HWND tree = treeOf(mainWindow);
    theApp.mainWindowState.focusedPane = theApp.mainWindowState.focusedPane == tree ? descriptionPaneOf(mainWindow) : tree;
    ::SetFocus(theApp.mainWindowState.focusedPane);
}

void switchLanguage(HWND mainWindow, int index) {
    if (!languageModules().select(index)) return;
    UrlExport::setMessageModule(languageModules().module());
    HMENU menu = ::LoadMenuW(languageModules().module(), MAKEINTRESOURCEW(IDM_MAIN));
    HMENU previous = ::GetMenu(mainWindow);
    if (menu && ::SetMenu(mainWindow, menu) && previous) ::DestroyMenu(previous);
    loadAccelerators();
    updateCaption(mainWindow);
}

// Adds the page of a window that the browser-window menu listed, as a link at the selection.
void addBrowserWindow(HWND mainWindow, int index) {
    const BrowserWindowCapture* windows = theApp.browserWindowCapture;
    if (!windows || index < 0 || static_cast<std::size_t>(index) >= windows->count()) return;
    const ItemFields fields{windows->title(index), "", windows->url(index)};
    HWND tree = treeOf(mainWindow);
    EditStep step(theApp.history, {IDS_STEP_ADD_PAGE, fields.title});
    insertLinkItem(tree, fields, selectedItem(tree), kNewItemOptions);
}

void changeFont(HWND mainWindow) {
    if (chooseFont(mainWindow)) applyFont(mainWindow, true);
}

// Commands that act only while the tree has the focus, whether they come
// from the menu or from an accelerator key.
bool runTreeCommand(HWND tree, int id) {
    switch (id) {
    case IDM_NEW_FOLDER: newFolder(tree); return true;
    case IDM_NEW_LINK: newLink(tree); return true;
    case IDM_DELETE: deleteSelected(tree); return true;
    case IDM_PROPERTIES: editProperties(tree); return true;
    case IDM_RENAME: renameSelected(tree); return true;
    case IDM_SORT: sortChildren(tree); return true;
    case IDM_CUT: copyToClipboard(tree, true); return true;
    case IDM_COPY: copyToClipboard(tree, false); return true;
    case IDM_PASTE: pasteFromClipboard(tree); return true;
    case IDM_OPEN_LINK: openSelectedLink(::GetParent(tree), tree, ::GetKeyState(VK_SHIFT) < 0); return true;
    case IDM_COPY_ADDRESS: copySelectedAddress(tree); return true;
    default: return false;
    }
}
}  // namespace

void runCommand(HWND mainWindow, int id) {
    HWND tree = treeOf(mainWindow);
    if (treeFocused(mainWindow) && runTreeCommand(tree, id)) return;
    switch (id) {
    case IDM_EXIT: ::SendMessageW(mainWindow, WM_CLOSE, 0, 0); break;
    case IDM_ABOUT: showAbout(mainWindow); break;
    case IDM_SAVE_AS: saveCollectionAs(mainWindow); break;
    case IDM_HELP: helpContents(mainWindow); break;
    case IDM_COLLECTION_TITLE: editTitle(mainWindow); break;
    case IDM_NEW_COLLECTION: newCollection(mainWindow); break;
    case IDM_OPEN: openCollectionCommand(mainWindow); break;
    case IDM_SAVE: saveCollection(mainWindow); break;
    case IDM_SWITCH_PANE: switchPane(mainWindow); break;
    case IDM_COPY:
        if (!treeFocused(mainWindow)) ::SendMessageW(theApp.mainWindowState.focusedPane, WM_COPY, 0, 0);
        break;
    case IDM_FONT: changeFont(mainWindow); break;
    case IDM_MINIMIZE_ON_USE: Settings::toggle(settings.MinOnUse); break;
    case IDM_MAXIMIZED_BROWSER: Settings::toggle(settings.MaxURL); break;
    case IDM_SAVE_AUTOMATICALLY: Settings::toggle(settings.AutoSave); break;
    case IDM_EXPORT: exportCommand(mainWindow); break;
    case IDM_IMPORT: importFilesCommand(mainWindow); break;
    case IDM_IMPORT_FOLDER: importFolderCommand(mainWindow); break;
    case IDM_FIND: find(mainWindow); break;
    case IDM_FIND_NEXT: findNext(mainWindow); break;
    case IDM_UNDO: undoStep(tree); break;
    case IDM_REDO: redoStep(tree); break;
    case IDM_CONTEXT_MENU: {  // the focused pane's menu, as the Menu key would open it
        HWND pane = theApp.mainWindowState.focusedPane;
        ::SendMessageW(pane, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pane), MAKELPARAM(-1, -1));
        break;
    }
    default:
        if (id >= IDM_RECENT_FIRST && id <= IDM_RECENT_LAST) openRecentCollection(mainWindow, id - IDM_RECENT_FIRST);
        if (id >= IDM_LANGUAGE_FIRST && id <= IDM_LANGUAGE_LAST) switchLanguage(mainWindow, id - IDM_LANGUAGE_FIRST);
        if (id >= IDM_BROWSER_PROFILE_FIRST && id <= IDM_BROWSER_PROFILE_LAST)
            importBrowserProfile(mainWindow, id - IDM_BROWSER_PROFILE_FIRST);
        if (id >= IDM_BROWSER_WINDOW_FIRST && id <= IDM_BROWSER_WINDOW_LAST)
            addBrowserWindow(mainWindow, id - IDM_BROWSER_WINDOW_FIRST);
        break;
    }
}
