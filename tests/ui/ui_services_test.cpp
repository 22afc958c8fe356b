// The small services of the main window: the description pane, opening links
// (with the recorder as the browser), the pane font, file dialogs, and the
// capture of open browser windows (through a test server for the shell's
// window list, registered in the test's own prefix) with the menu showing them.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "core/settings.h"
#include "core/wide_text_win.h"
#include "dialog_driver.h"
#include "exchange/argument_record.h"
#include "exchange/recorded_browser.h"
#include "exchange/url_launcher_win.h"
#include "main_window_fixture.h"
#include "tree_text.h"
#include "ui/application.h"
#include "ui/resource_ids.h"
#include "ui/tree/description_pane.h"
#include "ui/tree/open_link.h"
#include "ui/shell/browser_window_capture.h"
#include "ui/shell/file_dialog.h"
#include "ui/shell/pane_font.h"
#include "ui/shell/ui_services.h"

using UiServices = MainWindowFixture;

TEST_F(UiServices, TheReadOnlyPaneShowsTheSelectedItem) {
    buildTree(theApp.collection, "{l <http://example.com/>, F{}, d \"About this link\" <http://d/>}");
    refresh();
    for (const auto& [title, shown] : {std::pair("l", "http://example.com/"), std::pair("F", "")}) {
        select(title);
        EXPECT_EQ(shown, descriptionText()) << title;  // no description: a link's address
    }
    EXPECT_TRUE(::GetWindowLongW(descriptionPane(), GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(nullptr, childById(mainWindow(), 12345));

    select("d");
    ::SendMessageW(descriptionPane(), EM_SETSEL, 0, 0);
    EXPECT_FALSE(descriptionHasSelection(descriptionPane()));
    ::SendMessageW(descriptionPane(), EM_SETSEL, 2, 6);
    EXPECT_TRUE(descriptionHasSelection(descriptionPane()));
}

TEST_F(UiServices, SelectedLinkOpensAndMinimisesTheMainWindowOnlyOnSuccess) {
    const std::string record = folderPath("record.txt");
    StandInBrowser browser(record);
    registerBrowser(recorderPath());  // a command without arguments: the address comes alone
    buildTree(theApp.collection, "{l <http://example.com/selected>}");
    refresh();
    settings.MinOnUse = 1;
    settings.MaxURL = 0;

    EXPECT_FALSE(openSelectedLink(mainWindow(), tree(), true));  // nothing selected
    EXPECT_FALSE(::IsIconic(mainWindow()));

    select("l");
    EXPECT_TRUE(openSelectedLink(mainWindow(), tree(), true));
    EXPECT_EQ("show=5\narg=http://example.com/selected\n", awaitArgumentRecord(record));
    EXPECT_TRUE(::IsIconic(mainWindow()));

    // A browser command that cannot start (the shell may report it): the launch fails, the window stays.
    ::ShowWindow(mainWindow(), SW_RESTORE);
    registerBrowser("\"C:\\no such folder\\browser.exe\" \"%1\"");
    answered({press(IDOK)}, [&] { EXPECT_TRUE(openSelectedLink(mainWindow(), tree(), true)); });
    EXPECT_FALSE(::IsIconic(mainWindow()));
}

// By the browser command and by the shell alike: one argument, the characters of every script.
TEST_F(UiServices, TheAddressArrivesAsOneArgumentInEveryScript) {
    const std::string record = folderPath("record.txt");
    StandInBrowser shell(record);
    // The browser, too, has a name outside the ANSI code page.
    const std::string browser = folderPath("Обозреватель.exe");
    ASSERT_TRUE(::CopyFileW(wideText(recorderPath()).c_str(), wideText(browser).c_str(), FALSE));
    registerBrowser("\"" + browser + "\" \"%1\"");
    const std::pair<std::string, std::string> cases[] = {  // the address, and as the browser gets it
        {"http://example.com/a b\" --evil", "http://example.com/a%20b%22%20--evil"},
        {"http://例え.jp/パス", "http://例え.jp/パス"},
    };
    for (const auto& [address, received] : cases) {
        for (bool useBrowserCommand : {true, false}) {
            ::DeleteFileW(wideText(record).c_str());
            ASSERT_TRUE(launchUrl(nullptr, address, useBrowserCommand)) << address;
            EXPECT_EQ("show=3\narg=" + received + "\n", awaitArgumentRecord(record))
                << address << (useBrowserCommand ? " by the browser command" : " by the shell");
        }
    }
    EXPECT_FALSE(launchUrl(nullptr, recorderPath(), false, true));  // no path, even when the user agreed
}

TEST_F(UiServices, FontComesFromTheSettings) {
    settings.FontSize = 100;
    settings.FontWeight = 700;
    settings.FontItalic = 5;
    settings.FontScript = 0x1EE;  // only the low byte counts
    settings.FontName = std::string(40, 'F');
    const LOGFONTW font = paneLogFont();
    EXPECT_EQ(-13, font.lfHeight);  // 10 points at 96 dots per inch
    EXPECT_EQ(700, font.lfWeight);
    EXPECT_EQ(1, font.lfItalic);
    EXPECT_EQ(0xEE, font.lfCharSet);
    EXPECT_EQ(std::wstring(31, L'F'), font.lfFaceName);
    settings.FontName = "\xE5\xAE\x8B\xE4\xBD\x93";  // 宋体, a face named in Chinese
    EXPECT_STREQ(L"\x5B8B\x4F53", paneLogFont().lfFaceName);

    settings.FontName = "Tahoma";
    applyFont(mainWindow(), false);
    const auto paneFont = reinterpret_cast<HFONT>(::SendMessageW(descriptionPane(), WM_GETFONT, 0, 0));
    ASSERT_NE(nullptr, paneFont);
    EXPECT_EQ(paneFont, reinterpret_cast<HFONT>(::SendMessageW(tree(), WM_GETFONT, 0, 0)));
    LOGFONTW applied;
    ::GetObjectW(paneFont, sizeof applied, &applied);
    EXPECT_STREQ(L"Tahoma", applied.lfFaceName);

    applyFont(mainWindow(), true);  // replaces, and deletes, the font before
    EXPECT_EQ(0, ::GetObjectW(paneFont, sizeof applied, &applied));
}

TEST_F(UiServices, FontDialogChangesTheSettingsOnlyOnOk) {
    settings.FontName = "Tahoma";
    settings.FontSize = 120;
    settings.FontWeight = 400;
    const auto chooseWith = [this](const DialogDriver::Step& step) {
        DialogDriver driver({step});
        return chooseFont(mainWindow());
    };
    EXPECT_FALSE(chooseWith(press(IDCANCEL)));  // the settings unchanged, as below after OK
    EXPECT_TRUE(chooseWith(press(IDOK)));
    EXPECT_EQ("Tahoma", settings.FontName);
    EXPECT_EQ(120, settings.FontSize);
    EXPECT_EQ(400, settings.FontWeight);
    EXPECT_EQ(0, settings.FontItalic);

    // A face that is not installed: the dialog shows the face the panes are
    // really drawn with, and OK without a change keeps the settings.
    settings.FontName = "No Such Face Installed";
    wchar_t shownFace[LF_FACESIZE] = {};
    EXPECT_TRUE(chooseWith([&](HWND dialog) {
        ::GetDlgItemTextW(dialog, cmb1, shownFace, LF_FACESIZE);
        pressButton(dialog, IDOK);
    }));
    EXPECT_STRNE(L"", shownFace);
    EXPECT_STRNE(L"No Such Face Installed", shownFace);
    EXPECT_EQ("No Such Face Installed", settings.FontName);
    EXPECT_EQ(120, settings.FontSize);
}

// Each row's filter and title, and the default extension only where the row
// has one. Wine's open dialog checks that the typed name exists before it adds
// the default extension, so the extension is shown on the save dialogs here.
TEST_F(UiServices, FileDialogsOfTheThreeRows) {
    using namespace std::string_literals;
    const std::string base = folderPath("");
    writeFileBytes(base + "list.lht", "{collection}{title}{/collection}");
    const struct {
        FileType type;
        FileDialog::Mode mode;
        std::string filter;
        const wchar_t* title;
        const char* typed;
        const char* chosen;
    } cases[] = {
        {FileType::Template, FileDialog::Mode::Open, "Export templates (*.lht)\0*.lht\0All files (*.*)\0*.*\0\0"s,
         L"Choose an Export Template", "list.lht", "list.lht"},
        {FileType::Collection, FileDialog::Mode::Save, "Linkhaven collections (*.lhv)\0*.lhv\0\0"s, nullptr,
         "\xD0\xBC\xD0\xBE\xD0\xB9", "\xD0\xBC\xD0\xBE\xD0\xB9.lhv"},  // мой
        {FileType::ExportOutput, FileDialog::Mode::Save, "All files (*.*)\0*.*\0\0"s, L"Export To", "bookmarks",
         "bookmarks"},
    };
    for (const auto& c : cases) {
        FileDialog dialog(nullptr, c.type, c.mode);
        const wchar_t* filter = dialog.record().lpstrFilter;
        std::size_t length = 0;
        while (filter[length] || filter[length + 1]) ++length;
        EXPECT_EQ(c.filter, narrowText(std::wstring_view(filter, length + 2))) << c.typed;
        EXPECT_STREQ(c.title, dialog.record().lpstrTitle) << c.typed;
        EXPECT_EQ("", dialog.fileName()) << c.typed;
        DialogDriver driver({typeFileName(base + c.typed)});
        ASSERT_TRUE(dialog.show()) << c.typed << ": error " << ::CommDlgExtendedError();
        EXPECT_EQ(base + c.chosen, dialog.fileName());
        EXPECT_EQ(0, driver.unexpectedWindows()) << c.typed;
    }

    // A given name, cut to the buffer: between two UTF-16 units of an emoji if need be.
    const auto given = [](const std::string& name) {
        return FileDialog(nullptr, FileType::ExportOutput, FileDialog::Mode::Save, name).fileName();
    };
    EXPECT_EQ("C:\\t\\list.lht", given("C:\\t\\list.lht"));
    EXPECT_EQ(std::string(MAX_PATH - 1, 'x'), given(std::string(400, 'x')));
    std::string emoji;
    for (int i = 0; i < 200; ++i) emoji += "\xF0\x9F\x94\xA5";
    EXPECT_EQ(emoji.substr(0, 4 * ((MAX_PATH - 1) / 2)), given(emoji));
}

TEST_F(UiServices, BrowserCaptureListsThePagesOfBrowserWindowsOnlyAndTheMenuAddsTheChosenOne) {
    // Under Wine the classes root does not take this from the user's classes: the
    // prefix's own entry (Wine's browser frame) is replaced for the test and put back.
    const char key[] = "CLSID\\{9BA05972-F6A8-11CF-A442-00A0C90A8F39}\\InprocServer32";
    const RegistryOverride server(HKEY_CLASSES_ROOT, key, "", fullPath(SHELL_WINDOWS_SERVER));
    const RegistryOverride model(HKEY_CLASSES_ROOT, key, "ThreadingModel", "Apartment");
    const std::string title = "Caf\xC3\xA9 \xD0\x9C\xD0\xB8\xD1\x80 page";  // Café Мир page
    BrowserWindowCapture capture;
    ASSERT_TRUE(capture.capture());
    ASSERT_EQ(2u, capture.count());
    EXPECT_EQ(title, capture.title(0));
    EXPECT_EQ("http://titled.example/", capture.url(0));
    EXPECT_EQ("http://untitled.example/", capture.title(1));  // no title: the address
    EXPECT_EQ("http://untitled.example/", capture.url(1));

    // The menu captures again: the same list, not twice as long.
    theApp.browserWindowCapture = &capture;
    EXPECT_EQ((std::vector<std::string>{"42000 &1) " + title, "42001 &2) http://untitled.example/"}),
              popupItems(popupHolding(IDM_BROWSER_WINDOW_FIRST)));
    addLink(&theApp.collection, "existing", "http://existing/");
    refresh();
    select("existing");
    runCommand(IDM_BROWSER_WINDOW_FIRST + 1);
    EXPECT_EQ("{http://untitled.example/ <http://untitled.example/>, existing <http://existing/>}",
              treeText(theApp.collection));
    EXPECT_EQ(treeText(theApp.collection), controlText());
    EXPECT_EQ("http://untitled.example/", selectedTitle());
    theApp.browserWindowCapture = nullptr;
}
