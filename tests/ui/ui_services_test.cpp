// The small services with real windows: the description pane under a tree
// whose items carry their nodes, child lookup, opening the selected link
// (with the recorder as the browser), the pane font, file dialogs.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "core/collection.h"
#include "core/settings.h"
#include "core/wide_text_win.h"
#include "dialog_driver.h"
#include "exchange/argument_record.h"
#include "exchange/recorded_browser.h"
#include "test_files.h"
#include "ui/tree/description_pane.h"
#include "ui/tree/open_link.h"
#include "ui/shell/file_dialog.h"
#include "ui/shell/language_modules.h"
#include "ui/shell/pane_font.h"
#include "ui/resource_ids.h"
#include "ui/shell/ui_services.h"

namespace {
// A stand-in for the main window: a tree (control 1) and the pane (control 2).
class PaneWindow : public testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES};
        ::InitCommonControlsEx(&controls);
        window_ = ::CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                    nullptr, nullptr);
        tree_ = ::CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 400, 200, window_,
                                  reinterpret_cast<HMENU>(IDC_TREE), nullptr, nullptr);
        pane_ = createDescriptionPane(window_, RECT{0, 200, 400, 300});
    }
    void TearDown() override { ::DestroyWindow(window_); }

    HTREEITEM addItem(BookmarkNode* node) {
        TVINSERTSTRUCTW insert{};
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = const_cast<wchar_t*>(L"item");
        insert.item.lParam = reinterpret_cast<LPARAM>(node);
        return reinterpret_cast<HTREEITEM>(::SendMessageW(tree_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    std::string paneAfterSelecting(HTREEITEM item) {
        ::SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        showDescription(window_);
        return windowText(pane_);
    }

    HWND window_ = nullptr, tree_ = nullptr, pane_ = nullptr;
};
}  // namespace

TEST_F(PaneWindow, PaneShowsTheSelectedItem) {
    ASSERT_NE(nullptr, pane_);
    EXPECT_EQ(pane_, childById(window_, IDC_DESCRIPTION_PANE));
    EXPECT_EQ(tree_, childById(window_, IDC_TREE));
    EXPECT_EQ(nullptr, childById(window_, 3));
    EXPECT_TRUE(::GetWindowLongW(pane_, GWL_STYLE) & ES_READONLY);

    showDescription(window_);
    EXPECT_EQ("", windowText(pane_));  // nothing selected

    Collection collection;
    Link* link = collection.appendLink(&collection).node()->asLink();
    collection.setUrl(link, "http://example.com/");
    Folder* folder = collection.appendFolder(&collection).node()->asFolder();
    Link* described = collection.appendLink(&collection).node()->asLink();
    collection.setDescription(described, "About this link");
    const HTREEITEM linkItem = addItem(link);
    const HTREEITEM folderItem = addItem(folder);
    const HTREEITEM describedItem = addItem(described);

    EXPECT_EQ("http://example.com/", paneAfterSelecting(linkItem));
    EXPECT_EQ("", paneAfterSelecting(folderItem));
    EXPECT_EQ("About this link", paneAfterSelecting(describedItem));

    ::SendMessageW(pane_, EM_SETSEL, 0, 0);
    EXPECT_FALSE(descriptionHasSelection(pane_));
    ::SendMessageW(pane_, EM_SETSEL, 2, 6);
    EXPECT_TRUE(descriptionHasSelection(pane_));
}

TEST_F(PaneWindow, SelectedLinkOpensAndMinimisesTheMainWindowOnlyOnSuccess) {
    TemporaryFolder folder;
    const std::string record = folder.file("record.txt");
    StandInBrowser browser(record);
    ::ShowWindow(window_, SW_SHOW);
    Collection collection;
    Link* link = collection.appendLink(&collection).node()->asLink();
    collection.setUrl(link, "http://example.com/selected");
    const HTREEITEM linkItem = addItem(link);
    const HTREEITEM folderItem = addItem(collection.appendFolder(&collection).node());
    const Settings saved = settings;
    settings.MinOnUse = 1;
    settings.MaxURL = 1;

    EXPECT_FALSE(openSelectedLink(window_, tree_, true));  // nothing selected
    ::SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(folderItem));
    EXPECT_FALSE(openSelectedLink(window_, tree_, true));  // folders are never launched
    EXPECT_FALSE(::IsIconic(window_));

    ::SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(linkItem));
    EXPECT_TRUE(openSelectedLink(window_, tree_, true));
    EXPECT_EQ("show=3\narg=http://example.com/selected\n", awaitArgumentRecord(record));
    EXPECT_TRUE(::IsIconic(window_));

    // A browser command that cannot start: the launch fails, the window stays.
    ::ShowWindow(window_, SW_RESTORE);
    registerBrowser("\"C:\\no such folder\\browser.exe\" \"%1\"");
    {
        DialogDriver driver({[](HWND box) { pressButton(box, IDOK); }});  // the shell may report it
        EXPECT_TRUE(openSelectedLink(window_, tree_, true));
    }
    EXPECT_FALSE(::IsIconic(window_));
    settings = saved;
}

TEST_F(PaneWindow, FontComesFromTheSettings) {
    const Settings saved = settings;
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
    applyFont(window_, false);
    const auto paneFont = reinterpret_cast<HFONT>(::SendMessageW(pane_, WM_GETFONT, 0, 0));
    ASSERT_NE(nullptr, paneFont);
    EXPECT_EQ(paneFont, reinterpret_cast<HFONT>(::SendMessageW(tree_, WM_GETFONT, 0, 0)));
    LOGFONTW applied;
    ::GetObjectW(paneFont, sizeof applied, &applied);
    EXPECT_EQ(-13, applied.lfHeight);
    EXPECT_STREQ(L"Tahoma", applied.lfFaceName);

    applyFont(window_, true);  // replaces, and deletes, the font before
    EXPECT_EQ(0, ::GetObjectW(paneFont, sizeof applied, &applied));
    settings = saved;
}

TEST_F(PaneWindow, FontDialogChangesTheSettingsOnlyOnOk) {
    const Settings saved = settings;
    settings.FontName = "Tahoma";
    settings.FontSize = 120;
    settings.FontWeight = 400;
    {
        DialogDriver driver({[](HWND dialog) { pressButton(dialog, IDCANCEL); }});
        EXPECT_FALSE(chooseFont(window_));
    }
    EXPECT_EQ("Tahoma", settings.FontName);
    EXPECT_EQ(120, settings.FontSize);
    {
        DialogDriver driver({[](HWND dialog) { pressButton(dialog, IDOK); }});
        EXPECT_TRUE(chooseFont(window_));
    }
    EXPECT_EQ("Tahoma", settings.FontName);
    EXPECT_EQ(120, settings.FontSize);
    EXPECT_EQ(400, settings.FontWeight);
    EXPECT_EQ(0, settings.FontItalic);

    // A face that is not installed: the dialog shows the face the panes are
    // really drawn with, and OK without a change keeps the settings.
    settings.FontName = "No Such Face Installed";
    wchar_t shownFace[LF_FACESIZE] = {};
    {
        DialogDriver driver({[&](HWND dialog) {
            ::GetDlgItemTextW(dialog, cmb1, shownFace, LF_FACESIZE);
            pressButton(dialog, IDOK);
        }});
        EXPECT_TRUE(chooseFont(window_));
    }
    EXPECT_STRNE(L"", shownFace);
    EXPECT_STRNE(L"No Such Face Installed", shownFace);
    EXPECT_EQ("No Such Face Installed", settings.FontName);
    EXPECT_EQ(120, settings.FontSize);
    settings = saved;
}

namespace {
class FileDialogs : public testing::Test {
protected:
    void SetUp() override { languageModules() = LanguageModules(LINKHAVEN_PROGRAM_DIR); }
};

std::string filterOf(const FileDialog& dialog) {
    const wchar_t* list = dialog.record().lpstrFilter;
    std::size_t length = 0;
    while (list[length] || list[length + 1]) ++length;
    return narrowText(std::wstring_view(list, length + 2));
}
}  // namespace

TEST_F(FileDialogs, RecordsOfTheThreeRows) {
    using namespace std::string_literals;
    const FileDialog collection(nullptr, FileType::Collection, FileDialog::Mode::Open);
    EXPECT_EQ("Linkhaven collections (*.lhv)\0*.lhv\0\0"s, filterOf(collection));
    EXPECT_STREQ(L"lhv", collection.record().lpstrDefExt);
    EXPECT_EQ(nullptr, collection.record().lpstrTitle);
    EXPECT_EQ("", collection.fileName());

    const FileDialog templates(nullptr, FileType::Template, FileDialog::Mode::Open, "C:\\t\\list.lht");
    EXPECT_EQ("Export templates (*.lht)\0*.lht\0All files (*.*)\0*.*\0\0"s, filterOf(templates));
    EXPECT_STREQ(L"Choose an Export Template", templates.record().lpstrTitle);
    EXPECT_EQ("C:\\t\\list.lht", templates.fileName());

    const FileDialog output(nullptr, FileType::ExportOutput, FileDialog::Mode::Save, std::string(400, 'x'));
    EXPECT_EQ("All files (*.*)\0*.*\0\0"s, filterOf(output));
    EXPECT_EQ(nullptr, output.record().lpstrDefExt);
    EXPECT_STREQ(L"Export To", output.record().lpstrTitle);
    EXPECT_EQ(std::string(MAX_PATH - 1, 'x'), output.fileName());  // cut to the buffer
    std::string emoji;  // two UTF-16 units each: the cut falls between two of them
    for (int i = 0; i < 200; ++i) emoji += "\xF0\x9F\x94\xA5";
    const FileDialog cut(nullptr, FileType::ExportOutput, FileDialog::Mode::Save, emoji);
    EXPECT_EQ(emoji.substr(0, 4 * ((MAX_PATH - 1) / 2)), cut.fileName());
}

// Wine's open dialog checks that the typed name exists before it adds the
// default extension, so the extension is shown on the save dialogs here.
TEST_F(FileDialogs, DefaultExtensionIsAddedOnlyWhereTheRowHasOne) {
    TemporaryFolder folder;
    char full[MAX_PATH];
    ::GetFullPathNameA(folder.path().c_str(), sizeof full, full, nullptr);
    const std::string base = std::string(full) + "\\";
    writeFileBytes(base + "list.lht", "{collection}{title}{/collection}");

    struct Case {
        FileType type;
        FileDialog::Mode mode;
        const char* typed;
        const char* chosen;
    };
    const Case cases[] = {
        {FileType::Template, FileDialog::Mode::Open, "list.lht", "list.lht"},
        {FileType::Collection, FileDialog::Mode::Save, "\xD0\xBC\xD0\xBE\xD0\xB9", "\xD0\xBC\xD0\xBE\xD0\xB9.lhv"},  // мой
        {FileType::ExportOutput, FileDialog::Mode::Save, "bookmarks", "bookmarks"},
    };
    for (const Case& c : cases) {
        FileDialog dialog(nullptr, c.type, c.mode);
        DialogDriver driver({typeFileName(base + c.typed)});
        ASSERT_TRUE(dialog.show()) << c.typed << ": error " << ::CommDlgExtendedError();
        EXPECT_EQ(base + c.chosen, dialog.fileName());
        EXPECT_EQ(0, driver.unexpectedWindows()) << c.typed;
    }
}
