#pragma once

// The running program, one object for the process: the collection, the main
// window and what its parts keep between messages. (The settings stay with
// core, which loads and saves them and whose link launching reads them.)

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <string>
#include <unordered_map>

#include "core/collection.h"
#include "core/com_pointer_win.h"
#include "core/edit_history.h"
#include "core/gdi_object_win.h"
#include "ui/search_match.h"

class BrowserWindowCapture;

struct MainWindowState {
    HWND focusedPane = nullptr;  // the pane that last had the focus
    std::string currentPath;     // where the collection was last opened from or saved to
    HTREEITEM rememberedSelection = nullptr;  // the tree's selection when it lost the focus

    bool splitterDragging = false;
    int splitterLastY = -1;  // -1: no line drawn
    GdiObject<HPEN> splitterPen;  // while dragging
    RECT splitterClientRect{};
};

struct Application {
    Collection collection;
    // Every change to the collection goes through it, to be undone.
    EditHistory history{collection};

    HWND mainWindow = nullptr;  // the program's, once start-up made it
    MainWindowState mainWindowState;

    // The item of every node the tree shows: filled as items are inserted,
    // emptied as the control reports them deleted.
    std::unordered_map<const BookmarkNode*, HTREEITEM> itemsByNode;
    // The tree's drop target while the tree is registered for drops, and the
    // folder being dragged from the tree, if any.
    ComPointer<IDropTarget> dropTarget;
    HTREEITEM draggedFolder = nullptr;

    // Its flags come from and go back to the settings.
    SearchState searchState;

    // The current language module's table (freed with the module), translated
    // only while no tree label is being edited, so that its keys reach the editor.
    HACCEL accelerators = nullptr;
    bool acceleratorsEnabled = true;

    // The open browser windows for the menu; null before start-up made it.
    BrowserWindowCapture* browserWindowCapture = nullptr;
};

extern Application theApp;
