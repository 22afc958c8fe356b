// launchUrl under Wine, with a recorder program registered as the browser for
// http in the test's own prefix, so nothing depends on a real browser.

#include "exchange/url_launcher_win.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <string>

#include "core/collection.h"
#include "core/settings.h"
#include "dialog_driver.h"
#include "exchange/argument_record.h"
#include "test_files.h"

namespace {
const char* kCommandKey = "http\\shell\\open\\command";

// The prefix's own handler (Wine's browser bridge), put back after each test.
std::string registeredCommand() {
    char command[1024];
    DWORD size = sizeof command;
    if (::RegGetValueA(HKEY_CLASSES_ROOT, kCommandKey, nullptr, RRF_RT_REG_SZ, nullptr, command, &size) !=
        ERROR_SUCCESS)
        return {};
    return command;
}

void registerBrowser(const std::string& command) {
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CLASSES_ROOT, kCommandKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                                               &key, nullptr));
    ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                     static_cast<DWORD>(command.size() + 1));
    ::RegCloseKey(key);
}

std::string recorderPath() {
    char full[MAX_PATH];
    ::GetFullPathNameA(ARGUMENT_RECORDER, sizeof full, full, nullptr);
    return full;
}


class LaunchUrl : public testing::Test {
protected:
    void SetUp() override {
        previous_ = registeredCommand();
        registerBrowser("\"" + recorderPath() + "\" \"%1\"");
        ::SetEnvironmentVariableA("LINKHAVEN_RECORD_FILE", record_.c_str());
        settings.MaxURL = 1;
    }
    void TearDown() override {
        if (!previous_.empty()) registerBrowser(previous_);
    }

    std::string previous_;
    TemporaryFolder folder_;
    const std::string record_ = folder_.file("record.txt");
};
}  // namespace

TEST_F(LaunchUrl, BrowserCommandGetsTheAddressAsOneArgument) {
    ASSERT_TRUE(launchUrl(nullptr, "http://example.com/a b\" --evil", true));
    EXPECT_EQ("show=3\narg=http://example.com/a%20b%22%20--evil\n", awaitArgumentRecord(record_));
}

TEST_F(LaunchUrl, CommandWithoutArgumentsGetsTheAddressAlone) {
    registerBrowser(recorderPath());
    settings.MaxURL = 0;
    ASSERT_TRUE(launchUrl(nullptr, "http://example.com/x", true));
    EXPECT_EQ("show=5\narg=http://example.com/x\n", awaitArgumentRecord(record_));
}

TEST_F(LaunchUrl, ShellOpensTheAddressWithTheRegisteredHandler) {
    ASSERT_TRUE(launchUrl(nullptr, "http://example.com/shell", false));
    EXPECT_EQ("show=3\narg=http://example.com/shell\n", awaitArgumentRecord(record_));
}

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

TEST_F(LaunchUrl, SelectedLinkOpensAndMinimisesTheMainWindowOnlyOnSuccess) {
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
