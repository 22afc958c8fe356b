// Opening the tree's selected link under Wine, with the recorder as the browser.

#include "ui/tree/open_link.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include "core/collection.h"
#include "dialog_driver.h"
#include "exchange/argument_record.h"
#include "exchange/recorded_browser.h"

namespace {
HTREEITEM addTreeItem(HWND tree, BookmarkNode* node) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>("item");
    insert.item.lParam = reinterpret_cast<LPARAM>(node);
    return reinterpret_cast<HTREEITEM>(::SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void select(HWND tree, HTREEITEM item) {
    ::SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}
}  // namespace

TEST_F(RecordedBrowser, SelectedLinkOpensAndMinimisesTheMainWindowOnlyOnSuccess) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    HWND window = ::CreateWindowExA(0, "STATIC", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                    nullptr, nullptr, nullptr);
    HWND tree = ::CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, window, nullptr,
                                  nullptr, nullptr);
    Collection collection;
    Link* link = collection.appendLink(&collection).node()->asLink();
    collection.setUrl(link, "http://example.com/selected");
    Folder* folder = collection.appendFolder(&collection).node()->asFolder();
    const HTREEITEM linkItem = addTreeItem(tree, link);
    const HTREEITEM folderItem = addTreeItem(tree, folder);
    settings.MinOnUse = 1;

    EXPECT_FALSE(openSelectedLink(window, tree, true));  // nothing selected
    select(tree, folderItem);
    EXPECT_FALSE(openSelectedLink(window, tree, true));  // folders are never launched
    EXPECT_FALSE(::IsIconic(window));

    select(tree, linkItem);
    EXPECT_TRUE(openSelectedLink(window, tree, true));
    EXPECT_EQ("show=3\narg=http://example.com/selected\n", awaitArgumentRecord(record_));
    EXPECT_TRUE(::IsIconic(window));

    // A browser command that cannot start: the launch fails, the window stays.
    ::ShowWindow(window, SW_RESTORE);
    registerBrowser("\"C:\\no such folder\\browser.exe\" \"%1\"");
    {
        DialogDriver driver({[](HWND box) { pressButton(box, IDOK); }});  // the shell may report it
        EXPECT_TRUE(openSelectedLink(window, tree, true));
    }
    EXPECT_FALSE(::IsIconic(window));
    ::DestroyWindow(window);
}
