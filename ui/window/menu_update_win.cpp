// Brings a popup menu of the main window up to date as it drops down: the
// language menu lists the modules, the browser-window menu its windows, and
// the other menus enable their items by the focused pane and the selection.

#include "ui/window/main_window.h"

#include <string>
#include <vector>

#include "core/settings.h"
#include "core/unicode_text.h"
#include "core/wide_text_win.h"
#include "ui/application.h"
#include "ui/shell/browser_window_capture.h"
#include "ui/shell/browser_menu_label.h"
#include "ui/tree/clipboard_commands.h"
#include "ui/tree/description_pane.h"
#include "ui/shell/language_modules.h"
#include "ui/resource_ids.h"
#include "ui/tree/tree_view.h"
#include "ui/window/document_commands.h"
#include "ui/window/import_commands.h"

namespace {
constexpr UINT kGrayed = MF_GRAYED | MF_DISABLED;
// Each numbered menu has a range of 100 command identifiers.
constexpr int kMaxNumbered = 100;
// A step's name shows this much of its item's title.
constexpr std::size_t kMaxSubject = 40;

// An item's title as a menu shows it literally: shortened, on one line, and
// with each & doubled so that it marks no access key.
std::string menuSubject(std::string_view title) {
    const std::string_view shown = firstCharacters(title, kMaxSubject);
    std::string subject;
    for (char c : shown) {
        if (c == '&') subject += '&';
        subject += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    }
    if (shown.size() < title.size()) subject += "\xE2\x80\xA6";  // …
    return subject;
}

// The Undo or Redo item, naming the step it would take back or make again.
void setStepItem(HMENU popup, int position, UINT id) {
    const bool redo = id == IDM_REDO;
    const bool possible = redo ? theApp.history.canRedo() : theApp.history.canUndo();
    const StepLabel& label = redo ? theApp.history.redoLabel() : theApp.history.undoLabel();
    std::string text;
    if (possible && label.textId != 0)
        text = loadText(redo ? IDS_REDO_STEP : IDS_UNDO_STEP, loadText(label.textId, menuSubject(label.subject)));
    else
        text = loadText(redo ? IDS_REDO : IDS_UNDO);
    ::ModifyMenuW(popup, position, MF_BYPOSITION | MF_STRING | (possible ? MF_ENABLED : kGrayed), id,
                  wideText(text).c_str());
}

// Makes the popup hold exactly `labels`, with identifiers first, first + 1, ...;
// a placeholder (disabled, string 115) when there are none.
template <class Label>
void rebuildNumberedMenu(HMENU popup, UINT first, int count, Label label, int checked) {
    for (int i = 0; i < count; ++i) {
        const std::wstring text = wideText(label(i));
        const UINT flags = MF_BYPOSITION | MF_STRING | (i == checked ? MF_CHECKED : MF_UNCHECKED);
        if (i < ::GetMenuItemCount(popup))
            ::ModifyMenuW(popup, i, flags, first + i, text.c_str());
        else
            ::AppendMenuW(popup, flags & ~MF_BYPOSITION, first + i, text.c_str());
    }
    while (::GetMenuItemCount(popup) > count) ::DeleteMenu(popup, count, MF_BYPOSITION);
    if (count == 0) ::AppendMenuW(popup, MF_STRING | kGrayed, first, wideText(loadText(IDS_MENU_EMPTY)).c_str());
}

void enableItems(HWND mainWindow, HMENU popup) {
    HWND tree = treeOf(mainWindow);
    const bool treeFocused = theApp.mainWindowState.focusedPane == tree;
    const bool selection = treeFocused && selectedItem(tree);
    for (int position = 0; position < ::GetMenuItemCount(popup); ++position) {
        const UINT id = ::GetMenuItemID(popup, position);
        bool enabled;
        switch (id) {
        case IDM_UNDO:
        case IDM_REDO:
            setStepItem(popup, position, id);
            continue;
        case IDM_NEW_FOLDER: case IDM_NEW_LINK: case IDM_FIND: case IDM_FIND_NEXT: case IDM_SORT:
            enabled = treeFocused;
            break;
        case IDM_DELETE: case IDM_PROPERTIES: case IDM_RENAME: case IDM_CUT:
            enabled = selection;
            break;
        case IDM_COPY:
            enabled = treeFocused ? selection : descriptionHasSelection(descriptionPaneOf(mainWindow));
            break;
        case IDM_PASTE:
            enabled = treeFocused && clipboardHasItems();
            break;
        case IDM_MINIMIZE_ON_USE:
        case IDM_MAXIMIZED_BROWSER:
        case IDM_SAVE_AUTOMATICALLY: {
            const int value = id == IDM_MINIMIZE_ON_USE ? settings.MinOnUse
                              : id == IDM_MAXIMIZED_BROWSER ? settings.MaxURL
                                                            : settings.AutoSave;
            ::CheckMenuItem(popup, position, MF_BYPOSITION | (value ? MF_CHECKED : MF_UNCHECKED));
            continue;
        }
        default:
            continue;
        }
        ::EnableMenuItem(popup, position, MF_BYPOSITION | (enabled ? MF_ENABLED : kGrayed));
    }
}
}  // namespace

void updatePopupMenu(HWND mainWindow, HMENU popup) {
    if (::GetMenuItemCount(popup) <= 0) return;
    const UINT firstId = ::GetMenuItemID(popup, 0);
    if (firstId == IDM_LANGUAGE_FIRST) {
        LanguageModules& modules = languageModules();
        rebuildNumberedMenu(
            popup, IDM_LANGUAGE_FIRST, modules.count() > kMaxNumbered ? kMaxNumbered : modules.count(),
            [&](int i) { return modules.displayName(i); }, modules.currentIndex());
    } else if (firstId == IDM_BROWSER_PROFILE_FIRST) {
        const std::vector<std::string> labels = browserProfileLabels();
        const int count = static_cast<int>(labels.size());
        rebuildNumberedMenu(
            popup, IDM_BROWSER_PROFILE_FIRST, count > kMaxNumbered ? kMaxNumbered : count,
            [&](int i) { return menuSubject(labels[static_cast<std::size_t>(i)]); }, -1);
    } else if (firstId == IDM_BROWSER_WINDOW_FIRST) {
        // A failed capture counts as no windows.
        BrowserWindowCapture* windows = theApp.browserWindowCapture;
        const bool captured = windows && windows->capture();
        const int count = captured ? static_cast<int>(windows->count()) : 0;
        rebuildNumberedMenu(
            popup, IDM_BROWSER_WINDOW_FIRST, count > kMaxNumbered ? kMaxNumbered : count,
            [&](int i) { return browserMenuLabel(i, windows->title(static_cast<std::size_t>(i))); }, -1);
    } else {
        listRecentCollections(popup);
        enableItems(mainWindow, popup);
    }
}
