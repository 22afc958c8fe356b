// The main window under Wine with the English and German modules: layout and
// splitter, caption, document commands, menus, the language switch.

#include "ui/window/main_window.h"

#include <dlgs.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/settings.h"
#include "core/wide_text_win.h"
#include "ui/shell/browser_window_capture.h"
#include "exchange/argument_record.h"
#include "exchange/recorded_browser.h"
#include "main_window_fixture.h"
#include "tree_text.h"
#include "ui/application.h"

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
    // Presses on the splitter above the pane, moves to `y` and lets go there (or cancels).
    void dragSplitterTo(int y, UINT end = WM_LBUTTONUP) {
        ::SendMessageW(mainWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, childRect(descriptionPane()).top - 1));
        ::SendMessageW(mainWindow(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, y));
        ::SendMessageW(mainWindow(), end, 0, MAKELPARAM(10, y));
    }
    // The tree of a collection file, as treeText() shows it.
    static std::string fileTree(const std::string& path) {
        Collection saved;
        return saved.load(path) ? treeText(saved) : "(unreadable)";
    }
};
}  // namespace

TEST_F(MainWindow, SplitterDragStoresThePaneHeightAndMaximizedAndMinimizedSizesAreNotStored) {
    RECT client;
    ::GetClientRect(mainWindow(), &client);
    dragSplitterTo(client.bottom - 100);
    EXPECT_EQ(100, settings.Descr);
    const RECT pane = childRect(descriptionPane());
    EXPECT_EQ((std::array{client.bottom - 100, client.bottom}), (std::array{pane.top, pane.bottom}));
    EXPECT_EQ(pane.top - ::GetSystemMetrics(SM_CYFRAME), childRect(tree()).bottom);
    EXPECT_EQ(nullptr, ::GetCapture());

    // Dragged to the very top: the full height, which the layout turns into a quarter.
    dragSplitterTo(0);
    EXPECT_EQ(client.bottom / 4, settings.Descr);
    EXPECT_EQ(client.bottom - client.bottom / 4, childRect(descriptionPane()).top);

    // A cancelled drag changes nothing.
    dragSplitterTo(30, WM_CANCELMODE);
    EXPECT_EQ(client.bottom / 4, settings.Descr);
    EXPECT_FALSE(theApp.mainWindowState.splitterDragging);

    // Nor does a stored height that does not fit when the window is laid out anew.
    settings.Descr = client.bottom + 50;
    ::SendMessageW(mainWindow(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    EXPECT_EQ(client.bottom / 4, settings.Descr);

    ::ShowWindow(mainWindow(), SW_RESTORE);
    const std::array size{settings.Width, settings.Height};
    ::ShowWindow(mainWindow(), SW_MAXIMIZE);
    EXPECT_EQ(size, (std::array{settings.Width, settings.Height}));
    const int left = settings.Left;
    ::ShowWindow(mainWindow(), SW_MINIMIZE);
    ::SendMessageW(mainWindow(), WM_MOVE, 0, MAKELPARAM(-32000, -32000));
    EXPECT_EQ(left, settings.Left);
    ::ShowWindow(mainWindow(), SW_RESTORE);

    // Closed while maximised (or minimised from there), the window keeps
    // its normal place and comes back maximised over it.
    for (const int last : {SW_MAXIMIZE, SW_MINIMIZE}) {
        ::ShowWindow(mainWindow(), SW_MAXIMIZE);
        ::ShowWindow(mainWindow(), last);
        MainWindowFixture::TearDown();
        EXPECT_EQ(1, settings.Maximized) << last;
        HWND again = createMainWindow(::GetModuleHandleW(nullptr));
        showMainWindow(again, SW_SHOWNORMAL);
        EXPECT_TRUE(::IsZoomed(again));
        ::ShowWindow(again, SW_RESTORE);
        RECT normal;
        ::GetWindowRect(again, &normal);
        EXPECT_EQ((std::array<LONG, 4>{10, 10, 650, 490}),
                  (std::array{normal.left, normal.top, normal.right, normal.bottom}));
        ::DestroyWindow(again);
        EXPECT_EQ(0, settings.Maximized);
        MainWindowFixture::TearDown();  // takes the quit message that `again` posted
        MainWindowFixture::SetUp();
    }
}

// Each failure is said with its cause. One that leaves nothing read changes
// nothing; the damaged file, opened last, shows what could be read, and Save
// must then not go to the file opened before.
TEST_F(MainWindow, AFileThatCannotBeReadIsReportedAndSaveNeverOverwritesTheFileBefore) {
    addLink(&theApp.collection, "kept", "http://kept/");
    const std::string good = folderPath("good.lhv");
    ASSERT_TRUE(theApp.collection.save(good));
    openCollection(mainWindow(), good);
    EXPECT_EQ("good.lhv", caption());
    writeFileBytes(folderPath("damaged.lhv"), readFileBytes(good).substr(0, 30));  // the link's title is cut
    writeFileBytes(folderPath("text.lhv"), "just some text");
    ASSERT_TRUE(::CreateDirectoryW(wideText(folderPath("folder.lhv")).c_str(), nullptr));
    const char* const cases[][2] = {
        {"missing.lhv", "missing.lhv\" was not found."},
        {"folder.lhv", "folder.lhv\" cannot be opened"},
        {"text.lhv", "text.lhv\" is not a Linkhaven collection file"},
        {"damaged.lhv", "damaged.lhv\" is damaged at byte 30. What could be read"},
    };
    for (const auto& [name, expected] : cases) {
        std::string message;
        EXPECT_EQ(1u, answered({press(IDOK, &message)}, [&] { openCollection(mainWindow(), folderPath(name)); }))
            << name;
        EXPECT_NE(std::string::npos, message.find("\"" + folderPath(expected))) << message;
        EXPECT_EQ(std::string(name) == "damaged.lhv" ? "" : good, theApp.mainWindowState.currentPath) << name;
    }
    EXPECT_EQ("{}", controlText());  // the damaged file's root, without the cut link

    EXPECT_EQ(1u, runCommand(IDM_SAVE, {press(IDCANCEL)}));  // the save-as dialog
    EXPECT_EQ("{kept <http://kept/>}", fileTree(good));
}

// With the description pane focused, Copy copies its selected text and the
// tree's commands do nothing, grayed in the menu.
TEST_F(MainWindow, WithTheDescriptionPaneFocusedCopyTakesItsTextAndTreeCommandsWait) {
    theApp.collection.setDescription(addLink(&theApp.collection, "x", "http://x/"), "first second");
    refresh();
    select("x");
    runCommand(IDM_SWITCH_PANE);
    EXPECT_EQ(descriptionPane(), theApp.mainWindowState.focusedPane);
    ::SendMessageW(descriptionPane(), EM_SETSEL, 6, 12);
    runCommand(IDM_COPY);
    EXPECT_EQ("second", clipboardText());
    EXPECT_EQ(0u, runCommand(IDM_DELETE, {}));
    EXPECT_EQ(0u, runCommand(IDM_PROPERTIES, {}));
    EXPECT_EQ(1u, theApp.collection.childCount());

    HMENU edit = popupHolding(IDM_DELETE);
    EXPECT_EQ("40014 &Delete\tDel grayed", popupEntry(edit, IDM_DELETE));
    runCommand(IDM_SWITCH_PANE);
    EXPECT_EQ(tree(), theApp.mainWindowState.focusedPane);
    EXPECT_EQ("40014 &Delete\tDel", popupEntry(edit, IDM_DELETE));
}

// Options are checked and toggled; the language menu lists the modules and
// switches; without browser windows the menu shows its placeholder.
TEST_F(MainWindow, TheMenusShowOptionsLanguagesAndBrowserWindows) {
    settings.MaxURL = 1;
    settings.AutoSave = 0;
    runCommand(IDM_SAVE_AUTOMATICALLY);
    runCommand(IDM_MAXIMIZED_BROWSER);
    EXPECT_EQ(1, settings.AutoSave);
    EXPECT_EQ(0, settings.MaxURL);
    HMENU options = popupHolding(IDM_SAVE_AUTOMATICALLY);
    EXPECT_EQ("40024 &Save Automatically checked", popupEntry(options, IDM_SAVE_AUTOMATICALLY));
    EXPECT_EQ("40023 Open Links &Maximized", popupEntry(options, IDM_MAXIMIZED_BROWSER));

    EXPECT_EQ((std::vector<std::string>{"41000 Deutsch", "41001 English checked"}),
              popupItems(popupHolding(IDM_LANGUAGE_FIRST)));

    runCommand(IDM_LANGUAGE_FIRST);  // Deutsch
    EXPECT_EQ("&Datei", menuText(::GetMenu(mainWindow()), 0, MF_BYPOSITION));
    EXPECT_EQ("\xC3\x96&ffnen...\tStrg+O", menuText(::GetMenu(mainWindow()), IDM_OPEN, MF_BYCOMMAND));  // Ö
    runCommand(IDM_LANGUAGE_FIRST + 1);
    EXPECT_EQ("&File", menuText(::GetMenu(mainWindow()), 0, MF_BYPOSITION));

    // Wine's shell lists no Internet Explorer windows in process.
    BrowserWindowCapture capture;
    EXPECT_FALSE(capture.capture());

    theApp.browserWindowCapture = &capture;
    EXPECT_EQ((std::vector<std::string>{"42000 (none) grayed"}), popupItems(popupHolding(IDM_BROWSER_WINDOW_FIRST)));
    theApp.browserWindowCapture = nullptr;
    runCommand(IDM_BROWSER_WINDOW_FIRST);  // no entry 0: nothing is added
    EXPECT_EQ(0u, theApp.collection.childCount());
}

TEST_F(MainWindow, TheFileMenuListsTheLastFourCollections) {
    for (const char* name : {"a.lhv", "b&c.lhv", "c.lhv", "d.lhv", "e.lhv"}) {
        ASSERT_TRUE(Collection().save(folderPath(name)));
        openCollection(mainWindow(), folderPath(name));
    }
    EXPECT_EQ(2u, runCommand(IDM_SAVE_AS, {typeFileName(folderPath("C.lhv")), press(IDYES)}));  // over c.lhv
    HMENU file = popupHolding(IDM_EXIT);
    const std::size_t itemCount = popupItems(file).size();
    const char* const shown[] = {"C.lhv", "e.lhv", "d.lhv", "b&&c.lhv"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(std::to_string(IDM_RECENT_FIRST + i) + " &" + std::to_string(i + 1) + " " + folderPath(shown[i]),
                  popupEntry(file, IDM_RECENT_FIRST + i));
    EXPECT_EQ(itemCount, popupItems(file).size());  // built afresh, not added again
    EXPECT_EQ(UINT(IDM_RECENT_LAST), ::GetMenuItemID(file, ::GetMenuItemCount(file) - 3));  // then a separator, Exit

    // A collection that is gone is said and dropped; another one opens.
    ASSERT_TRUE(::DeleteFileW(wideText(folderPath("e.lhv")).c_str()));
    std::string message;
    EXPECT_EQ(1u, runCommand(IDM_RECENT_FIRST + 1, {press(IDOK, &message)}));
    EXPECT_NE(std::string::npos, message.find(folderPath("e.lhv") + "\" is no longer there")) << message;
    runCommand(IDM_RECENT_FIRST + 2);
    EXPECT_EQ((std::array<std::string, 4>{folderPath("b&c.lhv"), folderPath("C.lhv"), folderPath("d.lhv"), ""}),
              settings.RecentFiles);
}

// A broken template is reported with where it broke, and nothing is
// remembered; a good one exports to the suggested file (in the folder of the
// last export), which is opened as the shell opens a page when the user says
// so, and template and output are remembered.
TEST_F(MainWindow, ExportReportsABrokenTemplateAndRemembersAGoodOneAndItsOutput) {
    const std::string broken = folderPath("broken.lht"), mended = folderPath("mended.lht");
    writeFileBytes(broken, "line one\n{title}\n{nosuchkeyword}\n");
    writeFileBytes(mended, "\xEF\xBB\xBF<!doctype HTML>{title}");
    settings.LastTemplate = broken;
    settings.LastExport = folderPath("earlier.html");
    std::string suggested, message;
    const DialogDriver::Step takeSuggested = [&](HWND dialog) {
        suggested = dialogText(dialog, cmb13);
        pressButton(dialog, IDOK);
    };
    // The template: LastTemplate.
    EXPECT_EQ(3u, runCommand(IDM_EXPORT, {press(IDOK), takeSuggested, press(IDOK, &message)}));
    EXPECT_EQ("Bookmarks.txt", suggested);  // no title, no file: the module's name
    EXPECT_NE(std::string::npos, message.find("broken.lht")) << message;
    EXPECT_NE(std::string::npos, message.find('3')) << message;
    EXPECT_FALSE(fileExists(folderPath("Bookmarks.txt")));
    EXPECT_EQ(folderPath("earlier.html"), settings.LastExport);

    theApp.collection.setTitle(&theApp.collection, "Mine: 2/3");
    const RegistryOverride pageType(HKEY_CLASSES_ROOT, ".html", "", "LinkhavenTestPage");
    const std::string record = folderPath("record.txt"), output = folderPath("Mine_ 2_3.html");
    const StandInBrowser viewer(record, "LinkhavenTestPage\\shell\\open\\command");
    EXPECT_EQ(3u, runCommand(IDM_EXPORT, {typeFileName(mended), takeSuggested, press(IDYES, &message)}));
    EXPECT_EQ("Mine_ 2_3.html", suggested);
    EXPECT_EQ("<!doctype HTML>Mine: 2/3", readFileBytes(output));
    EXPECT_EQ("The collection was exported to \"" + output + "\".\n\nOpen it now?", message);
    EXPECT_EQ("show=1\narg=" + output + "\n", awaitArgumentRecord(record));
    EXPECT_EQ(mended, settings.LastTemplate);
    EXPECT_EQ(output, settings.LastExport);
}

// With unsaved changes and automatic saving off, New, Open and closing ask
// first: Yes saves (a save that fails keeps everything, with its message),
// No discards, Cancel keeps the window and the collection.
TEST_F(MainWindow, UnsavedChangesAreSavedDiscardedOrKeptAsAnswered) {
    const std::string path = folderPath("c.lhv"), other = folderPath("other.lhv");
    Collection otherCollection;
    buildTree(otherCollection, "Other{o <http://o/>}");
    ASSERT_TRUE(otherCollection.save(other));
    const struct {
        const char* name;
        int command;  // 0: closing the window
        int answer;
        bool saveFails;
        const char* saved;  // the file afterwards
        const char* shown;  // the window afterwards; nullptr: closed
    } cases[] = {
        {"New, Yes", IDM_NEW_COLLECTION, IDYES, false, "{x <http://x/>}", "{}"},
        {"New, No", IDM_NEW_COLLECTION, IDNO, false, "{}", "{}"},
        {"New, Cancel", IDM_NEW_COLLECTION, IDCANCEL, false, "{}", "{x <http://x/>}"},
        {"Open, Yes", IDM_OPEN, IDYES, false, "{x <http://x/>}", "Other{o <http://o/>}"},
        {"Open, Cancel", IDM_OPEN, IDCANCEL, false, "{}", "{x <http://x/>}"},
        {"close, Yes", 0, IDYES, false, "{x <http://x/>}", nullptr},
        {"close, No", 0, IDNO, false, "{}", nullptr},
        {"close, Cancel", 0, IDCANCEL, false, "{}", "{x <http://x/>}"},
        {"close, Yes, failing", 0, IDYES, true, "{}", "{x <http://x/>}"},
    };
    for (const auto& c : cases) {
        MainWindowFixture::TearDown();  // a fresh window for each case
        MainWindowFixture::SetUp();
        ASSERT_TRUE(Collection().save(path));
        openCollection(mainWindow(), path);
        addLink(&theApp.collection, "x", "http://x/");
        refresh();
        if (c.saveFails) theApp.mainWindowState.currentPath = folderPath("gone\\c.lhv");
        std::string failure;
        std::vector<DialogDriver::Step> steps = {press(c.answer)};
        if (c.saveFails) steps.push_back(press(IDOK, &failure));
        if (c.command == IDM_OPEN && c.answer != IDCANCEL) steps.push_back(typeFileName(other));
        EXPECT_EQ(steps.size(), answered(steps, [&] {  // WM_CLOSE without a command
            ::SendMessageW(mainWindow(), c.command ? WM_COMMAND : WM_CLOSE, MAKEWPARAM(c.command, 0), 0);
        })) << c.name;
        EXPECT_EQ(c.saveFails, failure.find("could not be saved") != std::string::npos) << failure;
        EXPECT_EQ(c.saved, fileTree(path)) << c.name;
        EXPECT_EQ(c.shown ? c.shown : "(closed)", ::IsWindow(mainWindow()) ? controlText() : "(closed)") << c.name;
    }
}

// Each dialog shows the item's fields (a new folder's empty).
TEST_F(MainWindow, PropertiesEditTheSelectedItemAndNewFolderAddsOne) {
    buildTree(theApp.collection, "{F{}, l <http://l/>}");
    refresh();
    const struct {
        const char *selected, *shown;
        int command;
        const char *name, *description;
    } cases[] = {
        {"l", "l <http://l/>", IDM_PROPERTIES, "link", "about"},
        {"F", "F <>", IDM_PROPERTIES, "folder", "inside"},
        {"link", " <>", IDM_NEW_FOLDER, "new", ""},
    };
    for (const auto& c : cases) {
        select(c.selected);
        std::string shown;
        EXPECT_EQ(1u, runCommand(c.command, {[&](HWND dialog) {
                      shown = dialogText(dialog, IDC_NAME) + " <" + dialogText(dialog, IDC_URL) + ">";
                      ::SetDlgItemTextW(dialog, IDC_NAME, wideText(c.name).c_str());
                      ::SetDlgItemTextW(dialog, IDC_DESCRIPTION, wideText(c.description).c_str());
                      pressButton(dialog, IDOK);
                  }}));
        EXPECT_EQ(c.shown, shown) << c.selected;
        EXPECT_EQ(c.description, descriptionText()) << c.selected;
    }
    EXPECT_EQ("{folder \"inside\"{}, new{}, link \"about\" <http://l/>}", treeText(theApp.collection));
    EXPECT_EQ(treeText(theApp.collection), controlText());
}

// The caption shows the collection's title, else its file's name, else the
// program's. Closing with automatic saving on and no file asks where to save.
TEST_F(MainWindow, SaveAsWritesANewFileThatBecomesTheCurrentOneAndTheCaptionFollows) {
    EXPECT_EQ("Linkhaven", caption());
    addLink(&theApp.collection, "x", "http://x/");
    settings.AutoSave = 1;
    // The save-as dialog, cancelled.
    EXPECT_EQ(1u, answered({press(IDCANCEL)}, [&] { ::SendMessageW(mainWindow(), WM_CLOSE, 0, 0); }));
    EXPECT_TRUE(::IsWindow(mainWindow()));
    EXPECT_TRUE(theApp.collection.modified);

    const std::string path = folderPath("\xD0\xBD\xD0\xBE\xD0\xB2\xD1\x8B\xD0\xB9");  // новый: the extension comes
    EXPECT_EQ(1u, runCommand(IDM_SAVE_AS, {typeFileName(path)}));
    EXPECT_EQ(path + ".lhv", theApp.mainWindowState.currentPath);
    EXPECT_EQ("\xD0\xBD\xD0\xBE\xD0\xB2\xD1\x8B\xD0\xB9.lhv", caption());
    EXPECT_FALSE(theApp.collection.modified);
    EXPECT_EQ("{x <http://x/>}", fileTree(path + ".lhv"));

    theApp.collection.setTitle(&theApp.collection, "Titled");
    updateCaption(mainWindow());
    EXPECT_EQ("Titled", caption());
    runCommand(IDM_SAVE);
    EXPECT_FALSE(theApp.collection.modified);
    EXPECT_EQ("Titled{x <http://x/>}", fileTree(path + ".lhv"));
}
