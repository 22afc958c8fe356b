#pragma once

// A real main window with the English module and an empty collection, and
// the means to drive it as a user would: commands, selections, label edits,
// menus, the clipboard.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "core/collection.h"
#include "dialog_driver.h"
#include "test_files.h"
#include "ui/resource_ids.h"
#include "ui/shell/ui_services.h"

class MainWindowFixture : public testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    HWND mainWindow() const { return window_; }
    HWND tree() const { return childById(window_, IDC_TREE); }
    HWND descriptionPane() const { return childById(window_, IDC_DESCRIPTION_PANE); }

    static Link* addLink(Folder* folder, const std::string& title, const std::string& url);
    // Rebuilds the control from the collection.
    void refresh();

    void runCommand(int id);
    // Runs the command while `steps` answer its dialogs, as answered() does.
    std::size_t runCommand(int id, std::vector<DialogDriver::Step> steps);
    // Selects the first item (depth first, folders never opened included)
    // whose text is `title`.
    void select(const std::string& title);
    std::string selectedTitle() const;
    // The control's items as treeText() shows a tree: each item's text, and
    // the description and address of the node it points to ("?text" for an
    // item without a node). Folders never opened get their items first.
    std::string controlText() const;
    std::string descriptionText() const { return windowText(descriptionPane()); }
    bool expanded(HTREEITEM item) const { return TreeView_GetItemState(tree(), item, TVIS_EXPANDED) != 0; }
    static std::string dialogText(HWND dialog, int id) { return windowText(::GetDlgItem(dialog, id)); }

    // Edits the selected item's label to `text` (typed as UTF-16); `onMessage` answers a message box.
    void renameTo(const std::string& text, std::function<void(HWND)> onMessage);

    // The menus as the window shows them: each item of a popup, brought up to
    // date, as "<command id> <text>[ grayed][ checked]".
    std::vector<std::string> popupItems(HMENU popup);
    // The entry of command `id` in the popup, or "(missing)".
    std::string popupEntry(HMENU popup, UINT id);
    // The popup of the main menu, at any depth, that holds command `id`.
    HMENU popupHolding(UINT id, HMENU menu = nullptr);
    static std::string menuText(HMENU menu, UINT item, UINT flags);

    // `bytes` as the clipboard's only format.
    static void putOnClipboard(UINT format, const std::string& bytes);
    static void putTextOnClipboard(const std::string& text);
    static std::string clipboardText();
    static void emptyClipboard();

    // Joined here: std::filesystem would read a UTF-8 name as bytes of another encoding.
    std::string folderPath(const std::string& name) const { return files_.path() + "\\" + name; }

private:
    HWND window_ = nullptr;
    TemporaryFolder files_;
};
