// The capture of open browser windows, through a test server for the shell's
// window list registered in the test's own prefix, and the menu that shows them.

#include "ui/shell/browser_window_capture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "core/wide_text_win.h"
#include "main_window_fixture.h"
#include "tree_text.h"
#include "ui/application.h"
#include "ui/resource_ids.h"

namespace {
// Under Wine the classes root does not take this from the user's classes: the
// prefix's own entry (Wine's browser frame) is replaced for the test and put back.
// The titled page's title, in UTF-8: "Café Мир page".
const std::string kTitle = "Caf\xC3\xA9 \xD0\x9C\xD0\xB8\xD1\x80 page";

const char kServerKey[] = "CLSID\\{9BA05972-F6A8-11CF-A442-00A0C90A8F39}\\InprocServer32";

std::string serverValue(const char* name) {
    char value[MAX_PATH] = "";
    DWORD size = sizeof value;
    if (::RegGetValueA(HKEY_CLASSES_ROOT, kServerKey, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return {};
    return value;
}

void setServerValue(const char* name, const std::string& value) {
    HKEY key;
    if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, kServerKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
    ::RegCloseKey(key);
}

class BrowserCapture : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        previousServer_ = serverValue(nullptr);
        previousModel_ = serverValue("ThreadingModel");
        char server[MAX_PATH];
        ::GetFullPathNameA(SHELL_WINDOWS_SERVER, sizeof server, server, nullptr);
        setServerValue(nullptr, server);
        setServerValue("ThreadingModel", "Apartment");
    }
    void TearDown() override {
        theApp.browserWindowCapture = nullptr;
        setServerValue(nullptr, previousServer_);
        setServerValue("ThreadingModel", previousModel_);
        MainWindowFixture::TearDown();
    }

    std::string previousServer_, previousModel_;

    std::vector<std::string> browserMenu() {
        HMENU bar = ::GetMenu(mainWindow());
        HMENU bookmarks = ::GetSubMenu(bar, 2);
        HMENU windows = ::GetSubMenu(bookmarks, ::GetMenuItemCount(bookmarks) - 1);
        ::SendMessageW(mainWindow(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(windows), 2);
        std::vector<std::string> labels;
        for (int i = 0; i < ::GetMenuItemCount(windows); ++i) {
            wchar_t text[128] = L"";
            ::GetMenuStringW(windows, i, text, std::size(text), MF_BYPOSITION);
            labels.push_back(std::to_string(::GetMenuItemID(windows, i)) + " " + narrowText(text));
        }
        return labels;
    }
};
}  // namespace

TEST_F(BrowserCapture, ListsThePagesOfBrowserWindowsOnly) {
    BrowserWindowCapture capture;
    ASSERT_TRUE(capture.capture());
    ASSERT_EQ(2u, capture.count());
    EXPECT_EQ(kTitle, capture.title(0));
    EXPECT_EQ("http://titled.example/", capture.url(0));
    EXPECT_EQ("http://untitled.example/", capture.title(1));  // no title: the address
    EXPECT_EQ("http://untitled.example/", capture.url(1));
    ASSERT_TRUE(capture.capture());  // again: the same list, not twice as long
    EXPECT_EQ(2u, capture.count());
}

TEST_F(BrowserCapture, TheMenuListsThemAndAddsTheChosenOne) {
    BrowserWindowCapture capture;
    theApp.browserWindowCapture = &capture;
    EXPECT_EQ((std::vector<std::string>{"42000 &1) " + kTitle, "42001 &2) http://untitled.example/"}),
              browserMenu());
    addLink(&theApp.collection, "existing", "http://existing/");
    refresh();
    select("existing");
    runCommand(IDM_BROWSER_WINDOW_FIRST + 1);
    EXPECT_EQ("F \"\" \"\"\n"
              "  L \"http://untitled.example/\" \"\" \"http://untitled.example/\"\n"
              "  L \"existing\" \"\" \"http://existing/\"\n",
              treeText(theApp.collection));
    EXPECT_EQ(treeText(theApp.collection), controlText());
    EXPECT_EQ("http://untitled.example/", selectedTitle());
}
