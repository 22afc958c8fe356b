// The small services of the main window: the description pane, opening the
// selected link (with the recorder as the browser), the pane font, file dialogs.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "core/settings.h"
#include "core/wide_text_win.h"
#include "dialog_driver.h"
#include "exchange/argument_record.h"
#include "exchange/recorded_browser.h"
#include "main_window_fixture.h"
#include "tree_text.h"
#include "ui/application.h"
#include "ui/tree/description_pane.h"
#include "ui/tree/open_link.h"
#include "ui/shell/file_dialog.h"
#include "ui/shell/pane_font.h"
#include "ui/shell/ui_services.h"

using UiServices = MainWindowFixture;

TEST_F(UiServices, TheReadOnlyPaneShowsTheSelectedItem) {
    buildTree(theApp.collection, "{l <http://example.com/>, F{}, d \"About this link\" <http://d/>}");
    refresh();
    const char* const cases[][2] = {{"l", "http://example.com/"}, {"F", ""}, {"d", "About this link"}, {nullptr, ""}};
    for (const auto& [title, shown] : cases) {
        if (title)
            select(title);
        else
            TreeView_SelectItem(tree(), nullptr);
        EXPECT_EQ(shown, descriptionText()) << (title ? title : "nothing selected");
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
    buildTree(theApp.collection, "{l <http://example.com/selected>, F{}}");
    refresh();
    settings.MinOnUse = 1;
    settings.MaxURL = 1;

    EXPECT_FALSE(openSelectedLink(mainWindow(), tree(), true));  // nothing selected
    select("F");
    EXPECT_FALSE(openSelectedLink(mainWindow(), tree(), true));  // folders are never launched
    EXPECT_FALSE(::IsIconic(mainWindow()));

    select("l");
    EXPECT_TRUE(openSelectedLink(mainWindow(), tree(), true));
    EXPECT_EQ("show=3\narg=http://example.com/selected\n", awaitArgumentRecord(record));
    EXPECT_TRUE(::IsIconic(mainWindow()));

    // A browser command that cannot start: the launch fails, the window stays.
    ::ShowWindow(mainWindow(), SW_RESTORE);
    registerBrowser("\"C:\\no such folder\\browser.exe\" \"%1\"");
    {
        DialogDriver driver({[](HWND box) { pressButton(box, IDOK); }});  // the shell may report it
        EXPECT_TRUE(openSelectedLink(mainWindow(), tree(), true));
    }
    EXPECT_FALSE(::IsIconic(mainWindow()));
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
    EXPECT_EQ(-13, applied.lfHeight);
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
    EXPECT_FALSE(chooseWith(press(IDCANCEL)));
    EXPECT_EQ("Tahoma", settings.FontName);
    EXPECT_EQ(120, settings.FontSize);
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

namespace {
std::string filterOf(const FileDialog& dialog) {
    const wchar_t* list = dialog.record().lpstrFilter;
    std::size_t length = 0;
    while (list[length] || list[length + 1]) ++length;
    return narrowText(std::wstring_view(list, length + 2));
}
}  // namespace

TEST_F(UiServices, FileDialogRecordsOfTheThreeRows) {
    using namespace std::string_literals;
    const FileDialog collection(nullptr, FileType::Collection, FileDialog::Mode::Open);
    EXPECT_EQ("Linkhaven collections (*.lhv)\0*.lhv\0\0"s, filterOf(collection));
    EXPECT_EQ(nullptr, collection.record().lpstrTitle);
    EXPECT_EQ("", collection.fileName());

    const FileDialog templates(nullptr, FileType::Template, FileDialog::Mode::Open, "C:\\t\\list.lht");
    EXPECT_EQ("Export templates (*.lht)\0*.lht\0All files (*.*)\0*.*\0\0"s, filterOf(templates));
    EXPECT_STREQ(L"Choose an Export Template", templates.record().lpstrTitle);
    EXPECT_EQ("C:\\t\\list.lht", templates.fileName());

    const FileDialog output(nullptr, FileType::ExportOutput, FileDialog::Mode::Save, std::string(400, 'x'));
    EXPECT_EQ("All files (*.*)\0*.*\0\0"s, filterOf(output));
    EXPECT_STREQ(L"Export To", output.record().lpstrTitle);
    EXPECT_EQ(std::string(MAX_PATH - 1, 'x'), output.fileName());  // cut to the buffer
    std::string emoji;  // two UTF-16 units each: the cut falls between two of them
    for (int i = 0; i < 200; ++i) emoji += "\xF0\x9F\x94\xA5";
    const FileDialog cut(nullptr, FileType::ExportOutput, FileDialog::Mode::Save, emoji);
    EXPECT_EQ(emoji.substr(0, 4 * ((MAX_PATH - 1) / 2)), cut.fileName());
}

// Wine's open dialog checks that the typed name exists before it adds the
// default extension, so the extension is shown on the save dialogs here.
TEST_F(UiServices, FileDialogsAddTheDefaultExtensionOnlyWhereTheRowHasOne) {
    const std::string base = folderPath("");
    writeFileBytes(base + "list.lht", "{collection}{title}{/collection}");
    const struct {
        FileType type;
        FileDialog::Mode mode;
        const char* typed;
        const char* chosen;
    } cases[] = {
        {FileType::Template, FileDialog::Mode::Open, "list.lht", "list.lht"},
        {FileType::Collection, FileDialog::Mode::Save, "\xD0\xBC\xD0\xBE\xD0\xB9", "\xD0\xBC\xD0\xBE\xD0\xB9.lhv"},  // мой
        {FileType::ExportOutput, FileDialog::Mode::Save, "bookmarks", "bookmarks"},
    };
    for (const auto& c : cases) {
        FileDialog dialog(nullptr, c.type, c.mode);
        DialogDriver driver({typeFileName(base + c.typed)});
        ASSERT_TRUE(dialog.show()) << c.typed << ": error " << ::CommDlgExtendedError();
        EXPECT_EQ(base + c.chosen, dialog.fileName());
        EXPECT_EQ(0, driver.unexpectedWindows()) << c.typed;
    }
}
