// The tree view inside the real main window, with the English module: every
// change shows in the control and in the collection alike.

#include "ui/tree/tree_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "core/file_io.h"
#include "core/wide_text_win.h"
#include "dialog_driver.h"
#include "exchange/argument_record.h"
#include "exchange/recorded_browser.h"
#include "main_window_fixture.h"
#include "tree_text.h"
#include "ui/application.h"
#include "ui/resource_ids.h"
#include "ui/tree/context_menu.h"
#include "ui/tree/open_link.h"
#include "ui/window/main_window.h"
#include "ui/window/search.h"

namespace {
class TreeView : public MainWindowFixture {
protected:
    // Top level: link "b", folder "F" (holding link "inner"), link "a".
    void SetUp() override {
        MainWindowFixture::SetUp();
        addLink(&theApp.collection, "b", "http://b/");
        Folder* folder = addFolder(&theApp.collection, "F");
        addLink(folder, "inner", "http://inner/");
        addLink(&theApp.collection, "a", "http://a/");
        refresh();
    }

    // A step answering the link dialog with an address and a title.
    static DialogDriver::Step fillLink(const char* url, const char* title) {
        return [=](HWND dialog) {
            ::SetDlgItemTextW(dialog, IDC_URL, wideText(url).c_str());
            ::SetDlgItemTextW(dialog, IDC_NAME, wideText(title).c_str());
            pressButton(dialog, IDOK);
        };
    }
};
}  // namespace

TEST_F(TreeView, MirrorsTheCollectionItemForItem) {
    EXPECT_EQ(treeText(theApp.collection), controlText());
    EXPECT_EQ(nullptr, selectedItem(tree()));
}

TEST_F(TreeView, ShowsTitlesAndDescriptionsInEveryScript) {
    // UTF-8 in the collection, UTF-16 in the control; the emoji lies outside the BMP.
    const struct {
        const char* utf8;
        const wchar_t* utf16;
    } titles[] = {
        {"\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82", L"\x041F\x0440\x0438\x0432\x0435\x0442"},  // Привет
        {"\xE4\xB9\xA6\xE7\xAD\xBE", L"\x4E66\x7B7E"},                                                  // 书签
        {"\xF0\x9F\x94\xA5 Deals", L"\xD83D\xDD25 Deals"},                                                // 🔥 Deals
    };
    theApp.collection.clear();
    for (const auto& title : titles) addLink(&theApp.collection, title.utf8, "http://x/");
    const std::string description = "\xD0\x9E\xD0\xBF\xD0\xB8\xD1\x81\xD0\xB0\xD0\xBD\xD0\xB8\xD0\xB5";  // Описание
    theApp.collection.setDescription(theApp.collection.childrenBegin().node(), description);
    refresh();

    HTREEITEM item = TreeView_GetRoot(tree());
    for (const auto& title : titles) {
        ASSERT_NE(nullptr, item);
        EXPECT_EQ(std::wstring(title.utf16), wideItemTextOf(item)) << title.utf8;
        item = TreeView_GetNextSibling(tree(), item);
    }
    select(titles[0].utf8);
    EXPECT_EQ(description, descriptionText());
}

TEST_F(TreeView, NewLinkGoesBeforeALinkIntoAFolderOrAtTheEnd) {
    {
        select("a");
        DialogDriver driver({fillLink("http://before-a/", "before a")});
        runCommand(IDM_NEW_LINK);
        EXPECT_EQ(1u, driver.stepsRun());
    }
    {
        select("F");
        DialogDriver driver({fillLink("http://last/", "last in F")});
        runCommand(IDM_NEW_LINK);
    }
    {
        ::SendMessageW(tree(), TVM_SELECTITEM, TVGN_CARET, 0);
        DialogDriver driver({fillLink("http://end/", "end")});
        runCommand(IDM_NEW_LINK);
    }
    EXPECT_EQ(treeText(theApp.collection), controlText());
    EXPECT_EQ("{b <http://b/>, F{inner <http://inner/>, last in F <http://last/>}, before a <http://before-a/>, a <http://a/>, end <http://end/>}",
              treeText(theApp.collection));
    EXPECT_EQ("end", selectedTitle());
    EXPECT_TRUE(theApp.collection.modified);
}

TEST_F(TreeView, ANewLinkStartsFromTheClipboardAddress) {
    putTextOnClipboard("Example page\r\nhttp://example.com/page");
    std::string shownUrl, shownTitle;
    DialogDriver driver({[&](HWND dialog) {
        shownUrl = dialogText(dialog, IDC_URL);
        shownTitle = dialogText(dialog, IDC_NAME);
        pressButton(dialog, IDCANCEL);
    }});
    runCommand(IDM_NEW_LINK);
    EXPECT_EQ("http://example.com/page", shownUrl);
    EXPECT_EQ("Example page", shownTitle);

    emptyClipboard();
    DialogDriver empty({[&](HWND dialog) {
        shownUrl = dialogText(dialog, IDC_URL);
        pressButton(dialog, IDCANCEL);
    }});
    runCommand(IDM_NEW_LINK);
    EXPECT_EQ("http://", shownUrl);
    EXPECT_EQ(treeText(theApp.collection), controlText());
}

TEST_F(TreeView, DeletingAFolderWithChildrenAsksFirst) {
    std::vector<std::string> questions;
    select("F");
    {
        DialogDriver driver({[&](HWND box) {
            questions.push_back(messageBoxText(box));
            pressButton(box, IDNO);
        }});
        runCommand(IDM_DELETE);
    }
    EXPECT_EQ(1u, questions.size());
    EXPECT_EQ(3u, theApp.collection.childCount());
    {
        DialogDriver driver({[&](HWND box) { pressButton(box, IDYES); }});
        runCommand(IDM_DELETE);
    }
    EXPECT_EQ(2u, theApp.collection.childCount());

    // A link and an empty folder go without a question.
    addFolder(&theApp.collection, "empty");
    refresh();
    select("empty");
    DialogDriver none({});
    runCommand(IDM_DELETE);
    select("a");
    runCommand(IDM_DELETE);
    EXPECT_EQ(0, none.unexpectedWindows());
    EXPECT_EQ("{b <http://b/>}", treeText(theApp.collection));
    EXPECT_EQ(treeText(theApp.collection), controlText());
}

TEST_F(TreeView, RenamingToNothingIsRefused) {
    std::vector<std::string> messages;
    select("a");
    renameTo("", [&](HWND box) {
        messages.push_back(messageBoxText(box));
        pressButton(box, IDOK);
    });
    EXPECT_EQ(1u, messages.size());
    EXPECT_EQ("a", selectedTitle());
    EXPECT_EQ(treeText(theApp.collection), controlText());

    // Typed in other scripts, the name reaches the collection as UTF-8 and comes back from its file.
    const std::string renamed = "\xD0\x9A\xD0\xBB\xD1\x8E\xD1\x87 \xE9\x8D\xB5 \xF0\x9F\x94\x91";  // Ключ 鍵 🔑
    theApp.collection.modified = false;
    renameTo(renamed, nullptr);
    EXPECT_EQ(renamed, selectedTitle());
    EXPECT_EQ(renamed, selectedTreeNode(tree())->title.str());
    EXPECT_TRUE(theApp.collection.modified);
    EXPECT_EQ(treeText(theApp.collection), controlText());
    EXPECT_TRUE(theApp.acceleratorsEnabled);

    const std::string shown = controlText(), path = folderPath("renamed.lhv");
    ASSERT_TRUE(theApp.collection.save(path));
    openCollection(mainWindow(), path);
    EXPECT_EQ(shown, controlText());
}

TEST_F(TreeView, SortOrdersTheSiblingsOfTheSelection) {
    Folder* folder = theApp.collection.childrenBegin().next().node()->asFolder();
    addLink(folder, "Zeta", "z");
    addLink(folder, "alpha", "a");
    refresh();
    select("inner");
    runCommand(IDM_SORT);
    EXPECT_EQ("{b <http://b/>, F{alpha <a>, inner <http://inner/>, Zeta <z>}, a <http://a/>}",
              treeText(theApp.collection));
    select("a");
    runCommand(IDM_SORT);
    EXPECT_EQ(treeText(theApp.collection), controlText());
    EXPECT_EQ("a", titleAt(theApp.collection.childrenBegin().node()));
    EXPECT_EQ("F", titleAt(theApp.collection.childrenBegin().next().next().node()));
}

// A folder's children get items only when something reaches them: the
// commands work on the collection, and the items follow when shown.
TEST_F(TreeView, CommandsReachIntoFoldersNeverOpened) {
    buildTree(theApp.collection, "{F{z <http://z/>, G{deep <http://deep/>}, y <http://y/>}, a <http://a/>}");
    refresh();
    EXPECT_EQ(2u, theApp.itemsByNode.size());
    select("F");
    runCommand(IDM_SORT);
    putTextOnClipboard("Pasted\r\nhttp://pasted/");
    runCommand(IDM_PASTE);
    EXPECT_EQ("Pasted", selectedTitle());
    EXPECT_EQ("{F{G{deep <http://deep/>}, y <http://y/>, z <http://z/>, Pasted <http://pasted/>}, a <http://a/>}",
              treeText(theApp.collection));

    refresh();  // F and G never opened again: Find fills both on its way
    SearchState search;
    search.text = "deep";
    search.flags = SearchFlag::Titles | SearchFlag::FromTop;
    ASSERT_TRUE(findInTree(tree(), search, false));
    EXPECT_EQ("deep", selectedTitle());
    EXPECT_TRUE(TreeView_GetItemState(tree(), TreeView_GetParent(tree(), TreeView_GetSelection(tree())), TVIS_EXPANDED) &
                TVIS_EXPANDED);

    runCommand(IDM_UNDO);
    runCommand(IDM_UNDO);
    EXPECT_EQ("{F{z <http://z/>, G{deep <http://deep/>}, y <http://y/>}, a <http://a/>}", controlText());
}

// Gives links slowly, as a large file on a slow disk would.
class SlowSource final : public ItemSource {
public:
    ItemCode next() override {
        ::Sleep(1);
        return given_++ < 10000 ? ItemCode::LinkItem : ItemCode::EndOfFolder;
    }
    void folder(ItemFields&) override {}
    void link(ItemFields& fields) override { fields.url = "http://slow/"; }

private:
    int given_ = 0;
};

// The system's progress dialog, once shown: a dialog titled as the program.
HWND progressDialog() {
    HWND shown = nullptr;
    ::EnumWindows([](HWND window, LPARAM found) -> BOOL {
        wchar_t title[32] = L"", windowClass[16] = L"";
        ::GetWindowTextW(window, title, 32);
        ::GetClassNameW(window, windowClass, 16);
        if (!::IsWindowVisible(window) || std::wstring(title) != L"Linkhaven" || std::wstring(windowClass) != L"#32770")
            return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&shown));
    return shown;
}

TEST_F(TreeView, ALongImportShowsItsProgressAndCancelledAddsNothing) {
    const std::string before = treeText(theApp.collection);
    std::atomic<bool> cancelled{false};
    std::thread hand([&] {
        for (int wait = 0; wait < 100 && !cancelled; ++wait) {
            ::Sleep(100);
            if (HWND dialog = progressDialog()) {
                ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                cancelled = true;
            }
        }
    });
    SlowSource source;
    const InsertedCounts counts = insertFromSource(tree(), source, nullptr, true, true);
    hand.join();
    EXPECT_TRUE(cancelled);
    EXPECT_TRUE(counts.cancelled);
    EXPECT_TRUE(before == treeText(theApp.collection));
    EXPECT_TRUE(before == controlText());
}

TEST_F(TreeView, InsertingFromASourceKeepsOrderAndBoundsDepth) {
    // A source of three top-level items: a link, a folder nested 1,200 deep, a link.
    class DeepSource final : public ItemSource {
    public:
        ItemCode next() override {
            ++step_;
            if (step_ == 1) return ItemCode::LinkItem;
            if (step_ <= 1201) return ItemCode::FolderItem;
            if (step_ == 1202) return ItemCode::LinkItem;  // the innermost folder's only link
            if (step_ <= 2402) return ItemCode::EndOfFolder;
            if (step_ == 2403) return ItemCode::LinkItem;
            return ItemCode::EndOfFolder;
        }
        void folder(ItemFields& fields) override { fields.title = "level " + std::to_string(step_ - 1); }
        void link(ItemFields& fields) override {
            fields.title = step_ == 1 ? "first" : step_ == 1202 ? "deep" : "last";
        }

    private:
        int step_ = 0;
    } source;

    select("a");
    insertFromSource(tree(), source, selectedItem(tree()), true, true);
    EXPECT_EQ("first", selectedTitle());
    std::vector<std::string> top;
    for (ChildPosition p = theApp.collection.childrenBegin(); !p.isEnd(); ++p) top.push_back(p.node()->title.str());
    EXPECT_EQ((std::vector<std::string>{"b", "F", "first", "level 1", "last", "a"}), top);

    std::size_t depth = 0;
    const Folder* folder = theApp.collection.childrenBegin().next().next().next().node()->asFolder();
    for (const Folder* f = folder; f; f = f->childCount() ? f->childrenBegin().node()->asFolder() : nullptr) {
        ++depth;
        if (depth == Folder::kMaxDepth) {
            EXPECT_EQ(1u, f->childCount());
            EXPECT_EQ("deep", f->childrenBegin().node()->title.str());
            break;
        }
    }
    EXPECT_EQ(Folder::kMaxDepth, depth);
    EXPECT_TRUE(theApp.collection.save(folderPath("deep.lhv")));
}

TEST_F(TreeView, AClickBelowTheItemsClearsTheSelectionAndTheDescription) {
    Link* a = theApp.collection.childrenBegin().next().next().node()->asLink();
    theApp.collection.setDescription(a, "about a");
    select("a");
    EXPECT_EQ("about a", descriptionText());
    clickTreeAt(5, treeClientHeight() - 5);
    EXPECT_EQ(nullptr, selectedItem(tree()));
    EXPECT_EQ("", descriptionText());
}

TEST_F(TreeView, EnterTogglesAFolder) {
    select("F");
    HTREEITEM item = selectedItem(tree());
    const auto expanded = [&] {
        return (::SendMessageW(tree(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) &
                TVIS_EXPANDED) != 0;
    };
    EXPECT_FALSE(expanded());
    NMHDR header{tree(), IDC_TREE, static_cast<UINT>(NM_RETURN)};
    ::SendMessageW(mainWindow(), WM_NOTIFY, IDC_TREE, reinterpret_cast<LPARAM>(&header));
    EXPECT_TRUE(expanded());
}

namespace {
LRESULT notifyTree(HWND mainWindow, HWND tree, UINT code) {
    NMHDR header{tree, IDC_TREE, code};
    return ::SendMessageW(mainWindow, WM_NOTIFY, IDC_TREE, reinterpret_cast<LPARAM>(&header));
}
}  // namespace

TEST_F(TreeView, DoubleClickAndEnterOpenALinkButNotAFolder) {
    const std::string record = folderPath("record.txt");
    StandInBrowser browser(record);
    select("F");
    EXPECT_EQ(0, notifyTree(mainWindow(), tree(), NM_DBLCLK));  // the control toggles the folder itself
    EXPECT_FALSE(fileExists(record));

    select("a");
    EXPECT_EQ(1, notifyTree(mainWindow(), tree(), NM_DBLCLK));
    EXPECT_EQ("show=3\narg=http://a/\n", awaitArgumentRecord(record));
    removeFile(record);
    select("b");
    EXPECT_EQ(1, notifyTree(mainWindow(), tree(), NM_RETURN));
    EXPECT_NE(std::string::npos, awaitArgumentRecord(record).find("arg=http://b/")) << "Enter opens the link";
    removeFile(record);
    runCommand(IDM_OPEN_LINK);  // the context menu's Open
    EXPECT_NE(std::string::npos, awaitArgumentRecord(record).find("arg=http://b/")) << "Open opens the link";
}

// For a link the menu begins with Open (its default, drawn bold) and Copy
// address; for a folder or no selection without them.
TEST_F(TreeView, TheContextMenuOpensOrCopiesALink) {
    for (const std::string selected : {"a", "F", ""}) {
        TreeView_SelectItem(tree(), nullptr);
        if (!selected.empty()) select(selected);
        const bool link = selected == "a";
        HMENU menu = loadContextMenu(tree());
        HMENU popup = ::GetSubMenu(menu, 0);
        EXPECT_EQ(UINT(link ? IDM_OPEN_LINK : IDM_NEW_LINK), ::GetMenuItemID(popup, 0)) << selected;
        EXPECT_EQ(link ? IDM_OPEN_LINK : -1, int(::GetMenuDefaultItem(popup, FALSE, 0))) << selected;
        EXPECT_EQ(link, ::GetMenuState(popup, IDM_COPY_ADDRESS, MF_BYCOMMAND) != UINT(-1)) << selected;
        ::DestroyMenu(menu);
    }
    select("inner");
    runCommand(IDM_COPY_ADDRESS);
    EXPECT_EQ("http://inner/", clipboardText());
    select("F");
    runCommand(IDM_COPY_ADDRESS);  // no link: the clipboard stays
    EXPECT_EQ("http://inner/", clipboardText());
}

namespace {
class LinkLaunch : public TreeView {
protected:
    // Paths (one the recorder itself) are refused with a message naming them; a
    // file: address is asked about with No as the default: No cancels, Yes opens.
    void expectOnlyAllowedLaunches(const std::function<void()>& open) {
        StandInBrowser browser(folderPath("never.txt"));
        const std::string recorder = recorderPath();
        std::string file = "file:///" + recorder, unc = "\\\\host\\share\\payload.exe";
        std::replace(file.begin(), file.end(), '\\', '/');
        const struct { std::string address, shown; int answer; } cases[] = {
            {recorder, '"' + recorder + "\" is not opened", IDOK},
            {unc, '"' + unc + "\" is not opened", IDOK}, {file, file, IDNO}, {file, file, IDYES}};
        for (const auto& c : cases) {
            addLink(&theApp.collection, c.address, c.address);
            refresh();
            select(c.address);
            if (c.answer == IDYES) ::SetEnvironmentVariableA("LINKHAVEN_RECORD_FILE", folderPath("yes.txt").c_str());
            DialogDriver driver({[&](HWND box) {
                const LONG style = ::GetWindowLongW(::GetDlgItem(box, c.answer == IDOK ? IDOK : IDNO), GWL_STYLE);
                EXPECT_EQ(BS_DEFPUSHBUTTON, style & BS_TYPEMASK);
                EXPECT_NE(std::string::npos, messageBoxText(box).find(c.shown)) << messageBoxText(box);
                pressButton(box, c.answer);
            }});
            open();
            EXPECT_EQ(1u, driver.stepsRun()) << c.address;
        }
        EXPECT_NE("", awaitArgumentRecord(folderPath("yes.txt")));
        EXPECT_FALSE(fileExists(folderPath("never.txt")));  // an earlier launch would have written it first
    }
};
}  // namespace

TEST_F(LinkLaunch, DoubleClickOpensNoPathAndAsksAboutOtherSchemes) {
    expectOnlyAllowedLaunches([this] { notifyTree(mainWindow(), tree(), NM_DBLCLK); });
}

TEST_F(LinkLaunch, TheBrowserCommandOpensNoPathAndAsksAboutOtherSchemes) {
    expectOnlyAllowedLaunches([this] { openSelectedLink(mainWindow(), tree(), true); });
}
