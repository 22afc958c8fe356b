// Undo and Redo in the real main window with the English module: each
// command is one step, the menu names it, the item comes back selected, and
// the modified mark follows the saved state. And the imports, each one step
// with a summary of what came in.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/wide_text_win.h"
#include "main_window_fixture.h"
#include "tree_text.h"
#include "ui/application.h"
#include "ui/window/main_window.h"

namespace {
class Undo : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        buildTree(theApp.collection, kOriginal);
        refresh();
        select("F");
        TreeView_Expand(tree(), TreeView_GetSelection(tree()), TVE_EXPAND);
    }

    static constexpr const char* kOriginal = "{F{c <http://c/>, a <http://a/>, b <http://b/>}, x <http://x/>}";

    std::string stepItem(int id) { return popupEntry(popupHolding(id), id); }
};

// And once saved, undoing and redoing back to that state leaves nothing to save.
TEST_F(Undo, ADeletedFolderComesBackWholeOpenAndSelectedAndTheSavedStateIsKnownAgain) {
    EXPECT_EQ(1u, runCommand(IDM_DELETE, {press(IDYES)}));
    EXPECT_EQ("40030 &Undo Delete \xE2\x80\x9C" "F\xE2\x80\x9D\tCtrl+Z", stepItem(IDM_UNDO));
    runCommand(IDM_UNDO);
    EXPECT_EQ(kOriginal, controlText());
    EXPECT_EQ("F", selectedTitle());
    EXPECT_TRUE(expanded(TreeView_GetSelection(tree())));
    EXPECT_EQ("40031 Re&do Delete \xE2\x80\x9C" "F\xE2\x80\x9D\tCtrl+Y", stepItem(IDM_REDO));
    runCommand(IDM_REDO);
    EXPECT_EQ("{x <http://x/>}", controlText());
    EXPECT_EQ("x", selectedTitle());
    EXPECT_EQ(treeText(theApp.collection), controlText());

    EXPECT_EQ(1u, runCommand(IDM_SAVE_AS, {typeFileName(folderPath("saved.lhv"))}));
    EXPECT_FALSE(theApp.collection.modified);
    runCommand(IDM_UNDO);
    EXPECT_TRUE(theApp.collection.modified);
    runCommand(IDM_REDO);
    EXPECT_FALSE(theApp.collection.modified);
    EXPECT_EQ(0u, answered({}, [&] { ::SendMessageW(mainWindow(), WM_CLOSE, 0, 0); }));
    EXPECT_FALSE(::IsWindow(mainWindow()));
}

TEST_F(Undo, RenameSortAndPropertiesAreStepsOfTheirOwn) {
    select("a");
    renameTo("a & more", nullptr);
    select("F");
    runCommand(IDM_SORT);
    EXPECT_EQ("40030 &Undo Sort\tCtrl+Z", stepItem(IDM_UNDO));
    const std::string sorted = controlText();
    runCommand(IDM_UNDO);
    runCommand(IDM_UNDO);
    EXPECT_EQ(kOriginal, controlText());
    EXPECT_EQ("a", selectedTitle());
    EXPECT_EQ("40031 Re&do Rename \xE2\x80\x9C" "a\xE2\x80\x9D\tCtrl+Y", stepItem(IDM_REDO));
    runCommand(IDM_REDO);
    EXPECT_EQ("a & more", selectedTitle());
    EXPECT_EQ("40031 Re&do Sort\tCtrl+Y", stepItem(IDM_REDO));
    runCommand(IDM_REDO);
    EXPECT_EQ(sorted, controlText());
    EXPECT_EQ(treeText(theApp.collection), controlText());

    // A new change after undoing leaves nothing to redo.
    runCommand(IDM_UNDO);
    select("x");
    EXPECT_EQ(1u, runCommand(IDM_PROPERTIES, {[](HWND dialog) {
                  ::SetDlgItemTextW(dialog, IDC_NAME, L"y && z");
                  pressButton(dialog, IDOK);
              }}));
    EXPECT_EQ("40031 Re&do\tCtrl+Y grayed", stepItem(IDM_REDO));
    EXPECT_EQ("40030 &Undo Properties of \xE2\x80\x9Cx\xE2\x80\x9D\tCtrl+Z", stepItem(IDM_UNDO));
    runCommand(IDM_UNDO);
    EXPECT_EQ("x", selectedTitle());
    EXPECT_EQ(treeText(theApp.collection), controlText());

    ASSERT_TRUE(theApp.collection.save(folderPath("saved.lhv")));
    openCollection(mainWindow(), folderPath("saved.lhv"));
    EXPECT_EQ("40030 &Undo\tCtrl+Z grayed", stepItem(IDM_UNDO));  // opening forgets the steps
    EXPECT_EQ("40031 Re&do\tCtrl+Y grayed", stepItem(IDM_REDO));
}

// An import of two files and a pasted bookmark file are one step each, with
// a summary of what came in; File > Open of a bookmark file keeps the
// collection and offers to import it; so does Import from Browser.
TEST_F(Undo, ImportsArePastedImportedOrOpenedInOneStepAndSayWhatCameIn) {
    const std::string file = folderPath("one.html");
    writeFileBytes(file, "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n<DT><H3>Imported</H3>\n<DL><p>\n"
                   "<DT><A HREF=\"http://one/\">one</A>\n<DT><A HREF=\"ftp://two/\">two</A>\n</DL><p>\n"
                   "<DT><A HREF=\"http://three/\">three</A>\n</DL><p>\n");
    writeFileBytes(folderPath("two.url"), "[InternetShortcut]\r\nURL=http://shortcut/\r\n");
    std::string summary;
    // Several names are typed as the dialog's folder holds them; it starts in the current one.
    ::SetCurrentDirectoryW(wideText(folderPath("")).c_str());
    EXPECT_EQ(2u, runCommand(IDM_IMPORT, {typeFileName("\"one.html\" \"two.url\""), press(IDOK, &summary)}));
    ::SetCurrentDirectoryW(L"C:\\");  // the folder goes at the end
    EXPECT_EQ("Imported folders: 1; links: 4.", summary);
    EXPECT_EQ("{F{c <http://c/>, a <http://a/>, b <http://b/>, Imported{one <http://one/>, two <ftp://two/>}, "
              "three <http://three/>, two <http://shortcut/>}, x <http://x/>}",
              controlText());
    EXPECT_EQ("40030 &Undo Import\tCtrl+Z", stepItem(IDM_UNDO));
    runCommand(IDM_UNDO);
    EXPECT_EQ(kOriginal, controlText());

    // DROPFILES (whose header would clash with the tree's names) and the path, ended by two nulls.
    const std::wstring path = wideText(file) + std::wstring(2, L'\0');
    struct {
        DWORD pFiles;
        POINT pt;
        BOOL fNC, fWide;
    } header{sizeof header, {}, FALSE, TRUE};
    std::string block(reinterpret_cast<const char*>(&header), sizeof header);
    block.append(reinterpret_cast<const char*>(path.data()), path.size() * sizeof(wchar_t));
    putOnClipboard(CF_HDROP, block);
    select("x");
    // Before the selected link; the summary comes once the paste is done.
    EXPECT_EQ(1u, answered({press(IDOK, &summary)}, [&] {
        runCommand(IDM_PASTE);
        for (MSG message; ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) ::DispatchMessageW(&message);
    }));
    EXPECT_EQ("Imported folders: 1; links: 3.", summary);
    EXPECT_EQ("{F{c <http://c/>, a <http://a/>, b <http://b/>}, Imported{one <http://one/>, two <ftp://two/>}, "
              "three <http://three/>, x <http://x/>}",
              controlText());
    EXPECT_EQ("40030 &Undo Paste\tCtrl+Z", stepItem(IDM_UNDO));
    runCommand(IDM_UNDO);
    EXPECT_EQ(kOriginal, controlText());
    EXPECT_EQ("x", selectedTitle());
    EXPECT_EQ(treeText(theApp.collection), controlText());

    std::string question;
    EXPECT_EQ(2u, answered({press(IDYES, &question), press(IDOK)}, [&] { openCollection(mainWindow(), file); }));
    EXPECT_NE(std::string::npos, question.find("is not a Linkhaven collection but a bookmark file")) << question;

    // Import from Browser lists the profiles found, and imports the one chosen.
    const std::string chrome = folderPath("Local\\Google\\Chrome\\User Data");
    const char* profiles[][2] = {{"Default", "one"}, {"Profile 1", "two"}};
    for (const auto& [profile, title] : profiles) {
        std::filesystem::create_directories(chrome + "\\" + profile);
        const std::string link = R"({"name": ")" + std::string(title) + R"(", "type": "url", "url": "http://)" + title;
        writeFileBytes(chrome + "\\" + profile + "\\Bookmarks",
                       R"({"roots": {"other": {"type": "folder", "children": [)" + link + R"(/"}]}}})");
    }
    wchar_t saved[MAX_PATH] = L"";
    ::GetEnvironmentVariableW(L"LOCALAPPDATA", saved, MAX_PATH);
    ::SetEnvironmentVariableW(L"LOCALAPPDATA", wideText(folderPath("Local")).c_str());
    const std::vector<std::string> items = popupItems(popupHolding(IDM_BROWSER_PROFILE_FIRST));
    select("x");
    EXPECT_EQ(1u, runCommand(IDM_BROWSER_PROFILE_FIRST + 1, {press(IDOK)}));
    ::SetEnvironmentVariableW(L"LOCALAPPDATA", saved);
    EXPECT_EQ((std::vector<std::string>{"44000 Google Chrome (Default)", "44001 Google Chrome (Profile 1)"}), items);
    EXPECT_EQ("{F{c <http://c/>, a <http://a/>, b <http://b/>}, Imported{one <http://one/>, two <ftp://two/>}, "
              "three <http://three/>, Other bookmarks{two <http://two/>}, x <http://x/>}",
              controlText());
}
}  // namespace
