// Opening the tree's selected link under Wine, with the recorder as the browser.

#include "ui/tree/open_link.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include "core/collection.h"
#include "dialog_driver.h"
#include "exchange/argument_record.h"
#include "exchange/recorded_browser.h"
#include "ui/tree/tree_view.h"

TEST_F(RecordedBrowser, SelectedLinkOpensAndMinimisesTheMainWindowOnlyOnSuccess) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    HWND window = ::CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                    nullptr, nullptr, nullptr, nullptr);
    HWND tree = ::CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, window, nullptr,
                                  nullptr, nullptr);
    Collection collection;
    Link* link = collection.appendLink(&collection).node()->asLink();
    collection.setUrl(link, "http://example.com/selected");
    Folder* folder = collection.appendFolder(&collection).node()->asFolder();
    const HTREEITEM linkItem = insertItem(tree, link, TVI_ROOT, TVI_LAST, false);
    const HTREEITEM folderItem = insertItem(tree, folder, TVI_ROOT, TVI_LAST, false);
    settings.MinOnUse = 1;

    EXPECT_FALSE(openSelectedLink(window, tree, true));  // nothing selected
    ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(folderItem));
    EXPECT_FALSE(openSelectedLink(window, tree, true));  // folders are never launched
    EXPECT_FALSE(::IsIconic(window));

    ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(linkItem));
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
