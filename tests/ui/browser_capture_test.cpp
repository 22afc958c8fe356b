// The capture of open browser windows, through a test server for the shell's
// window list registered in the test's own prefix, and the menu that shows them.

#include "ui/shell/browser_window_capture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registry_override_win.h"
#include "main_window_fixture.h"
#include "tree_text.h"
#include "ui/application.h"
#include "ui/resource_ids.h"

namespace {
// The titled page's title, in UTF-8: "Café Мир page".
const std::string kTitle = "Caf\xC3\xA9 \xD0\x9C\xD0\xB8\xD1\x80 page";

const char kServerKey[] = "CLSID\\{9BA05972-F6A8-11CF-A442-00A0C90A8F39}\\InprocServer32";

std::string fullPath(const char* path) {
    char full[MAX_PATH];
    return std::string(full, ::GetFullPathNameA(path, sizeof full, full, nullptr));
}

// Under Wine the classes root does not take this from the user's classes: the
// prefix's own entry (Wine's browser frame) is replaced for the test and put back.
class BrowserCapture : public MainWindowFixture {
protected:
    void TearDown() override {
        theApp.browserWindowCapture = nullptr;
        MainWindowFixture::TearDown();
    }

    const RegistryOverride server_{HKEY_CLASSES_ROOT, kServerKey, "", fullPath(SHELL_WINDOWS_SERVER)};
    const RegistryOverride model_{HKEY_CLASSES_ROOT, kServerKey, "ThreadingModel", "Apartment"};
};
}  // namespace

TEST_F(BrowserCapture, ListsThePagesOfBrowserWindowsOnlyAndTheMenuAddsTheChosenOne) {
    BrowserWindowCapture capture;
    ASSERT_TRUE(capture.capture());
    ASSERT_EQ(2u, capture.count());
    EXPECT_EQ(kTitle, capture.title(0));
    EXPECT_EQ("http://titled.example/", capture.url(0));
    EXPECT_EQ("http://untitled.example/", capture.title(1));  // no title: the address
    EXPECT_EQ("http://untitled.example/", capture.url(1));

    // The menu captures again: the same list, not twice as long.
    theApp.browserWindowCapture = &capture;
    EXPECT_EQ((std::vector<std::string>{"42000 &1) " + kTitle, "42001 &2) http://untitled.example/"}),
              popupItems(popupHolding(IDM_BROWSER_WINDOW_FIRST)));
    addLink(&theApp.collection, "existing", "http://existing/");
    refresh();
    select("existing");
    runCommand(IDM_BROWSER_WINDOW_FIRST + 1);
    EXPECT_EQ("{http://untitled.example/ <http://untitled.example/>, existing <http://existing/>}",
              treeText(theApp.collection));
    EXPECT_EQ(treeText(theApp.collection), controlText());
    EXPECT_EQ("http://untitled.example/", selectedTitle());
}
