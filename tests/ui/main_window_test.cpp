// The main window under Wine with the English and German modules: layout and
// splitter, caption, document commands, menus, the language switch.

#include "ui/window/main_window.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "core/settings.h"
#include "core/wide_text_win.h"
#include "ui/shell/browser_window_capture.h"
#include "dialog_driver.h"
#include "main_window_fixture.h"
#include "tree_text.h"
#include "ui/application.h"
#include "ui/shell/language_modules.h"
#include "ui/shell/ui_services.h"
#include "ui/resource_ids.h"
#include "ui/tree/tree_view.h"

namespace {
class MainWindow : public MainWindowFixture {
protected:
    std::string caption() const { return windowText(mainWindow()); }
    RECT childRect(HWND child) const {
        RECT rect;
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, mainWindow(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
};
}  // namespace

TEST_F(MainWindow, LayoutKeepsAQuarterWhenTheStoredHeightDoesNotFit) {
    RECT client;
    ::GetClientRect(mainWindow(), &client);
    settings.Descr = client.bottom + 50;
    ::SendMessageW(mainWindow(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    EXPECT_EQ(client.bottom / 4, settings.Descr);
    const RECT pane = childRect(descriptionPane());
    EXPECT_EQ(client.bottom - client.bottom / 4, pane.top);
    EXPECT_EQ(client.bottom, pane.bottom);
    EXPECT_EQ(pane.top - ::GetSystemMetrics(SM_CYFRAME), childRect(tree()).bottom);
}

TEST_F(MainWindow, SplitterDragStoresTheDescriptionHeight) {
    RECT client;
    ::GetClientRect(mainWindow(), &client);
    const int strip = childRect(descriptionPane()).top - 1;
    ::SendMessageW(mainWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, strip));
    ::SendMessageW(mainWindow(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, client.bottom - 100));
    ::SendMessageW(mainWindow(), WM_LBUTTONUP, 0, MAKELPARAM(10, client.bottom - 100));
    EXPECT_EQ(100, settings.Descr);
    EXPECT_EQ(client.bottom - 100, childRect(descriptionPane()).top);
    EXPECT_EQ(nullptr, ::GetCapture());

    // Dragged to the very top: the full height, which the next layout turns into a quarter.
    ::SendMessageW(mainWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, strip));
    ::SendMessageW(mainWindow(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 0));
    ::SendMessageW(mainWindow(), WM_LBUTTONUP, 0, MAKELPARAM(10, 0));
    EXPECT_EQ(client.bottom / 4, settings.Descr);

    // A cancelled drag changes nothing.
    ::SendMessageW(mainWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, strip));
    ::SendMessageW(mainWindow(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 30));
    ::SendMessageW(mainWindow(), WM_CANCELMODE, 0, 0);
    EXPECT_EQ(client.bottom / 4, settings.Descr);
    EXPECT_FALSE(theApp.mainWindowState.splitterDragging);
}

TEST_F(MainWindow, CaptionFollowsTitlePathAndProgramName) {
    EXPECT_EQ("Linkhaven", caption());
    const std::string path = folderPath("My bookmarks.lhv");
    theApp.collection.setTitle(&theApp.collection, "");
    ASSERT_TRUE(theApp.collection.save(path));
    openCollection(mainWindow(), path);
    EXPECT_EQ("My bookmarks.lhv", caption());
    theApp.collection.setTitle(&theApp.collection, "Titled");
    updateCaption(mainWindow());
    EXPECT_EQ("Titled", caption());
}

TEST_F(MainWindow, AFileThatCannotBeReadIsReportedWithItsCauseAndTheWindowShowsWhatWasRead) {
    addLink(&theApp.collection, "kept", "http://kept/");
    const std::string good = folderPath("good.lhv");
    ASSERT_TRUE(theApp.collection.save(good));
    writeFileBytes(folderPath("damaged.lhv"), readFileBytes(good).substr(0, 30));  // the link's title is cut
    writeFileBytes(folderPath("text.lhv"), "just some text");
    ASSERT_TRUE(::CreateDirectoryW(wideText(folderPath("folder.lhv")).c_str(), nullptr));
    const char* const cases[][2] = {
        {"missing.lhv", "missing.lhv\" was not found."},
        {"folder.lhv", "folder.lhv\" cannot be opened"},
        {"text.lhv", "text.lhv\" is not a Linkhaven collection file"},
        {"damaged.lhv", "damaged.lhv\" is damaged at byte 30. What could be read"},
        // The name in another script comes through whole: "пропал.lhv".
        {"\xD0\xBF\xD1\x80\xD0\xBE\xD0\xBF\xD0\xB0\xD0\xBB.lhv",
         "\xD0\xBF\xD1\x80\xD0\xBE\xD0\xBF\xD0\xB0\xD0\xBB.lhv\" was not found."},
    };
    for (const auto& [name, expected] : cases) {
        std::vector<std::string> messages;
        DialogDriver driver({[&](HWND box) {
            messages.push_back(messageBoxText(box));
            pressButton(box, IDOK);
        }});
        openCollection(mainWindow(), folderPath(name));
        ASSERT_EQ(1u, messages.size()) << name;
        EXPECT_NE(std::string::npos, messages[0].find("\"" + folderPath(expected))) << messages[0];
    }
    EXPECT_EQ("", theApp.mainWindowState.currentPath);
    EXPECT_EQ("{}", controlText());  // the damaged file's root, without the cut link
}

TEST_F(MainWindow, AFailedOpenNeverLetsSaveOverwriteTheFileBefore) {
    const std::string good = folderPath("good.lhv"), damaged = folderPath("damaged.lhv");
    addLink(&theApp.collection, "kept", "http://kept/");
    ASSERT_TRUE(theApp.collection.save(good));
    openCollection(mainWindow(), good);
    ASSERT_EQ(good, theApp.mainWindowState.currentPath);

    // A file that cannot be opened at all changes nothing.
    DialogDriver first({[](HWND box) { pressButton(box, IDOK); }});
    openCollection(mainWindow(), folderPath("missing.lhv"));
    EXPECT_EQ(good, theApp.mainWindowState.currentPath);

    // A damaged one replaces the collection: Save must not go to the good file.
    writeFileBytes(damaged, readFileBytes(good).substr(0, 30));
    DialogDriver second({[](HWND box) { pressButton(box, IDOK); }});
    openCollection(mainWindow(), damaged);
    EXPECT_EQ("", theApp.mainWindowState.currentPath);
    DialogDriver saveAs({[](HWND dialog) { pressButton(dialog, IDCANCEL); }});
    runCommand(IDM_SAVE);
    EXPECT_EQ(1u, saveAs.stepsRun());
    Collection reread;
    ASSERT_TRUE(reread.load(good));
    EXPECT_EQ("kept", reread.childrenBegin().node()->title.str());
}

TEST_F(MainWindow, ClosingWithAutoSaveAndNoFileAsksWhereToSave) {
    addLink(&theApp.collection, "x", "http://x/");
    settings.AutoSave = 1;
    int dialogs = 0;
    DialogDriver driver({[&](HWND dialog) {
        ++dialogs;
        pressButton(dialog, IDCANCEL);  // the save-as dialog
    }});
    ::SendMessageW(mainWindow(), WM_CLOSE, 0, 0);
    EXPECT_EQ(1, dialogs);
    EXPECT_TRUE(::IsWindow(mainWindow()));
    EXPECT_TRUE(theApp.collection.modified);
}

TEST_F(MainWindow, SavingToTheCurrentFile) {
    const std::string path = folderPath("c.lhv");
    addLink(&theApp.collection, "x", "http://x/");
    ASSERT_TRUE(theApp.collection.save(path));
    openCollection(mainWindow(), path);
    select("x");
    theApp.collection.setTitle(theApp.collection.childrenBegin().node(), "changed");
    runCommand(IDM_SAVE);
    EXPECT_FALSE(theApp.collection.modified);
    Collection reread;
    ASSERT_TRUE(reread.load(path));
    EXPECT_EQ("changed", reread.childrenBegin().node()->title.str());
}

TEST_F(MainWindow, TreeCommandsNeedTheTreeFocused) {
    addLink(&theApp.collection, "x", "http://x/");
    refresh();
    select("x");
    runCommand(IDM_SWITCH_PANE);
    EXPECT_EQ(descriptionPane(), theApp.mainWindowState.focusedPane);
    DialogDriver none({});
    runCommand(IDM_DELETE);
    runCommand(IDM_PROPERTIES);
    EXPECT_EQ(0, none.unexpectedWindows());
    EXPECT_EQ(1u, theApp.collection.childCount());

    HMENU edit = popupHolding(IDM_DELETE);
    ASSERT_NE(nullptr, edit);
    EXPECT_EQ("40014 &Delete\tDel grayed", popupEntry(edit, IDM_DELETE));
    runCommand(IDM_SWITCH_PANE);
    EXPECT_EQ(tree(), theApp.mainWindowState.focusedPane);
    EXPECT_EQ("40014 &Delete\tDel", popupEntry(edit, IDM_DELETE));
}

TEST_F(MainWindow, OptionsAreCheckedAndToggled) {
    settings.MaxURL = 1;
    settings.AutoSave = 0;
    runCommand(IDM_SAVE_AUTOMATICALLY);
    runCommand(IDM_MAXIMIZED_BROWSER);
    EXPECT_EQ(1, settings.AutoSave);
    EXPECT_EQ(0, settings.MaxURL);
    HMENU options = popupHolding(IDM_SAVE_AUTOMATICALLY);
    ASSERT_NE(nullptr, options);
    EXPECT_EQ("40024 &Save Automatically checked", popupEntry(options, IDM_SAVE_AUTOMATICALLY));
    EXPECT_EQ("40023 Open Links &Maximized", popupEntry(options, IDM_MAXIMIZED_BROWSER));
}

TEST_F(MainWindow, TheLanguageMenuListsTheModulesAndSwitches) {
    HMENU languages = popupHolding(IDM_LANGUAGE_FIRST);
    ASSERT_NE(nullptr, languages);
    const std::vector<std::string> items = popupItems(languages);
    ASSERT_EQ(2u, items.size());
    EXPECT_EQ("41000 Deutsch", items[0]);
    EXPECT_EQ("41001 English checked", items[1]);

    runCommand(IDM_LANGUAGE_FIRST);  // Deutsch
    EXPECT_EQ("Deutsch", languageModules().displayName(languageModules().currentIndex()));
    EXPECT_EQ("&Datei", menuText(::GetMenu(mainWindow()), 0, MF_BYPOSITION));
    EXPECT_EQ("\xC3\x96&ffnen...\tStrg+O", menuText(::GetMenu(mainWindow()), IDM_OPEN, MF_BYCOMMAND));  // Ö
    runCommand(IDM_LANGUAGE_FIRST + 1);
    EXPECT_EQ("&File", menuText(::GetMenu(mainWindow()), 0, MF_BYPOSITION));
}

TEST_F(MainWindow, WithoutBrowserWindowsTheMenuShowsItsPlaceholder) {
    // Wine's shell lists no Internet Explorer windows in process.
    BrowserWindowCapture capture;
    EXPECT_FALSE(capture.capture());
    EXPECT_FALSE(capture.capture());  // and the next capture tries again
    EXPECT_EQ(0u, capture.count());

    theApp.browserWindowCapture = &capture;
    HMENU windows = popupHolding(IDM_BROWSER_WINDOW_FIRST);
    ASSERT_NE(nullptr, windows);
    const std::vector<std::string> items = popupItems(windows);
    theApp.browserWindowCapture = nullptr;
    ASSERT_EQ(1u, items.size());
    EXPECT_EQ("42000 (none) grayed", items[0]);
    runCommand(IDM_BROWSER_WINDOW_FIRST);  // no entry 0: nothing is added
    EXPECT_EQ(0u, theApp.collection.childCount());
}

TEST_F(MainWindow, MaximizedAndMinimizedSizesAreNotStored) {
    ::ShowWindow(mainWindow(), SW_RESTORE);
    const int width = settings.Width, height = settings.Height;
    ::ShowWindow(mainWindow(), SW_MAXIMIZE);
    EXPECT_EQ(width, settings.Width);
    EXPECT_EQ(height, settings.Height);
    const int left = settings.Left;
    ::ShowWindow(mainWindow(), SW_MINIMIZE);
    ::SendMessageW(mainWindow(), WM_MOVE, 0, MAKELPARAM(-32000, -32000));
    EXPECT_EQ(left, settings.Left);
    ::ShowWindow(mainWindow(), SW_RESTORE);
}

TEST_F(MainWindow, ExportThroughABrokenTemplateShowsWhereAndKeepsTheOldOutput) {
    const std::string templatePath = folderPath("broken.lht"), output = folderPath("out.html");
    writeFileBytes(templatePath, "line one\n{title}\n{nosuchkeyword}\n");
    writeFileBytes(output, "previous export");
    settings.LastTemplate = templatePath;
    settings.LastExport = output;
    std::vector<std::string> messages;
    DialogDriver driver({
        [](HWND dialog) { pressButton(dialog, IDOK); },  // the template: LastTemplate
        [](HWND dialog) { pressButton(dialog, IDOK); },  // the output: LastExport
        [&](HWND box) { pressButton(box, IDOK); },       // the overwrite question of the save dialog
        [&](HWND box) {
            messages.push_back(messageBoxText(box));
            pressButton(box, IDOK);
        },
    });
    runCommand(IDM_EXPORT);
    ASSERT_FALSE(messages.empty());
    const std::string& message = messages.back();
    EXPECT_NE(std::string::npos, message.find("broken.lht")) << message;
    EXPECT_NE(std::string::npos, message.find('3')) << message;
    EXPECT_EQ("previous export", readFileBytes(output));
    EXPECT_EQ(templatePath, settings.LastTemplate);
}
