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
#include "exchange/argument_record.h"
#include "exchange/recorded_browser.h"
#include "main_window_fixture.h"
#include "tree_text.h"
#include "ui/application.h"
#include "ui/tree/context_menu.h"
#include "ui/tree/open_link.h"
#include "ui/window/search.h"

namespace {
class TreeView : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        buildTree(theApp.collection, "{b <http://b/>, F{inner <http://inner/>}, a <http://a/>}");
        refresh();
    }

    LRESULT notify(UINT code) {
        NMHDR header{tree(), IDC_TREE, code};
        return ::SendMessageW(mainWindow(), WM_NOTIFY, IDC_TREE, reinterpret_cast<LPARAM>(&header));
    }
};
}  // namespace

// The control mirrors the collection with nothing selected, in every script:
// UTF-8 in the collection, UTF-16 in the control (read back with TVM_GETITEMW):
// "Привет" described "Описание", "书签", and "🔥 Deals", whose emoji lies
// outside the BMP. Enter opens a folder; a click below the items clears the
// selection and the description.
TEST_F(TreeView, MirrorsTheCollectionInEveryScriptEnterOpensAFolderAndAClickBelowClearsTheSelection) {
    const std::string title = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82",
                      description = "\xD0\x9E\xD0\xBF\xD0\xB8\xD1\x81\xD0\xB0\xD0\xBD\xD0\xB8\xD0\xB5";
    const std::string text = "{" + title + " \"" + description + "\" <http://x/>, F{inner <http://inner/>}, "
                             "\xE4\xB9\xA6\xE7\xAD\xBE <http://x/>, \xF0\x9F\x94\xA5 Deals <http://x/>}";
    buildTree(theApp.collection, text);
    refresh();
    EXPECT_EQ(text, controlText());
    EXPECT_EQ(nullptr, selectedItem(tree()));
    EXPECT_EQ("40020 &Rename\tF2 grayed", popupEntry(popupHolding(IDM_RENAME), IDM_RENAME));
    select("F");
    EXPECT_FALSE(expanded(selectedItem(tree())));
    notify(NM_RETURN);
    EXPECT_TRUE(expanded(selectedItem(tree())));

    select(title);
    EXPECT_EQ(description, descriptionText());
    RECT client;
    ::GetClientRect(tree(), &client);
    POINT point{5, client.bottom - 5};
    ::ClientToScreen(tree(), &point);
    ::SetCursorPos(point.x, point.y);
    notify(NM_CLICK);
    EXPECT_EQ(nullptr, selectedItem(tree()));
    EXPECT_EQ("", descriptionText());
}

// A new link starts from an address on the clipboard (the line above it its
// title), else from "http://", and goes before the selected link, last into
// the selected folder, or at the end.
TEST_F(TreeView, NewLinkStartsFromTheClipboardAndGoesBeforeALinkIntoAFolderOrAtTheEnd) {
    putTextOnClipboard("Example page\r\nhttp://example.com/page");
    const struct {
        const char *selected, *shown, *url, *title;  // url nullptr: cancelled
    } cases[] = {
        {"a", "Example page <http://example.com/page>", "http://before-a/", "before a"},
        {"F", " <http://>", "http://last/", "last in F"},
        {"", " <http://>", nullptr, nullptr},
        {"", " <http://>", "http://end/", "end"},
    };
    for (const auto& c : cases) {
        TreeView_SelectItem(tree(), nullptr);
        if (*c.selected) select(c.selected);
        std::string shown;
        EXPECT_EQ(1u, runCommand(IDM_NEW_LINK, {[&](HWND dialog) {
                      shown = dialogText(dialog, IDC_NAME) + " <" + dialogText(dialog, IDC_URL) + ">";
                      if (c.url) {
                          ::SetDlgItemTextW(dialog, IDC_URL, wideText(c.url).c_str());
                          ::SetDlgItemTextW(dialog, IDC_NAME, wideText(c.title).c_str());
                      }
                      pressButton(dialog, c.url ? IDOK : IDCANCEL);
                  }})) << c.selected;
        EXPECT_EQ(c.shown, shown) << c.selected;
        emptyClipboard();
    }
    EXPECT_EQ(treeText(theApp.collection), controlText());
    EXPECT_EQ("{b <http://b/>, F{inner <http://inner/>, last in F <http://last/>}, before a <http://before-a/>, "
              "a <http://a/>, end <http://end/>}",
              treeText(theApp.collection));
    EXPECT_EQ("end", selectedTitle());
}

// Renaming to nothing is refused; a name typed in other scripts reaches the
// collection as UTF-8. Deleting a folder with children asks first; a link
// and an empty folder go without a question.
TEST_F(TreeView, RenamingToNothingIsRefusedAndDeletingAFolderWithChildrenAsksFirst) {
    select("a");
    renameTo("", press(IDOK));  // the message box, which renameTo() counts
    EXPECT_EQ("a", selectedTitle());
    EXPECT_EQ(treeText(theApp.collection), controlText());
    const std::string renamed = "\xD0\x9A\xD0\xBB\xD1\x8E\xD1\x87 \xE9\x8D\xB5 \xF0\x9F\x94\x91";  // Ключ 鍵 🔑
    theApp.collection.modified = false;
    renameTo(renamed, nullptr);
    EXPECT_EQ(renamed, selectedTitle());
    EXPECT_EQ(renamed, selectedTreeNode(tree())->title.str());
    EXPECT_TRUE(theApp.collection.modified);
    EXPECT_TRUE(theApp.acceleratorsEnabled);

    select("F");
    for (const int answer : {IDNO, IDYES}) {
        EXPECT_EQ(1u, runCommand(IDM_DELETE, {press(answer)}));
        EXPECT_EQ(answer == IDNO ? 3u : 2u, theApp.collection.childCount());
    }
    theApp.collection.setTitle(theApp.collection.appendFolder(&theApp.collection).node(), "empty");
    refresh();
    select("empty");
    EXPECT_EQ(0u, runCommand(IDM_DELETE, {}));
    select(renamed);
    EXPECT_EQ(0u, runCommand(IDM_DELETE, {}));
    EXPECT_EQ("{b <http://b/>}", treeText(theApp.collection));
    EXPECT_EQ(treeText(theApp.collection), controlText());
}

// A folder's children get items only when something reaches them: the
// commands work on the collection, and the items follow when shown. Sort
// orders a folder's children or a link's siblings by title, not by bytes.
TEST_F(TreeView, CommandsReachIntoFoldersNeverOpenedAndSortOrdersByTitle) {
    const std::string original = "{F{Zeta <http://z/>, G{deep <http://deep/>}, y <http://y/>}, a <http://a/>}";
    buildTree(theApp.collection, original);
    refresh();
    EXPECT_EQ(2u, theApp.itemsByNode.size());
    select("F");
    runCommand(IDM_SORT);
    putTextOnClipboard("Pasted\r\nhttp://pasted/");
    runCommand(IDM_PASTE);
    EXPECT_EQ("Pasted", selectedTitle());
    EXPECT_EQ("{F{G{deep <http://deep/>}, y <http://y/>, Zeta <http://z/>, Pasted <http://pasted/>}, a <http://a/>}",
              treeText(theApp.collection));

    refresh();  // F and G never opened again: Find fills both on its way
    SearchState search;
    search.text = "deep";
    search.flags = SearchFlag::Titles | SearchFlag::FromTop;
    ASSERT_TRUE(findInTree(tree(), search, false));
    EXPECT_EQ("deep", selectedTitle());
    EXPECT_TRUE(expanded(TreeView_GetParent(tree(), TreeView_GetSelection(tree()))));

    runCommand(IDM_UNDO);
    runCommand(IDM_UNDO);
    EXPECT_EQ(original, controlText());
    select("y");
    runCommand(IDM_SORT);
    select("a");
    runCommand(IDM_SORT);
    EXPECT_EQ("{a <http://a/>, F{G{deep <http://deep/>}, y <http://y/>, Zeta <http://z/>}}", controlText());
    EXPECT_EQ(treeText(theApp.collection), controlText());
}

// Gives the items of `codes` (L a link, F a folder, E a folder's end, and
// the top level's end after the last), each after `delay` ms. An item's title
// is its kind and its place in `codes`, counted from 1.
class CodedSource final : public ItemSource {
public:
    CodedSource(std::string codes, DWORD delay) : codes_(std::move(codes)), delay_(delay) {}
    ItemCode next() override {
        ::Sleep(delay_);
        const char code = given_ < codes_.size() ? codes_[given_++] : 'E';
        return code == 'L' ? ItemCode::LinkItem : code == 'F' ? ItemCode::FolderItem : ItemCode::EndOfFolder;
    }
    void folder(ItemFields& fields) override { fields.title = "level " + std::to_string(given_); }
    void link(ItemFields& fields) override { fields.title = "link " + std::to_string(given_); }

private:
    std::string codes_;
    DWORD delay_;
    std::size_t given_ = 0;
};

TEST_F(TreeView, ALongImportShowsItsProgressCancelledAddsNothingAndOneThatEndsKeepsOrderAndBoundsDepth) {
    const std::string before = treeText(theApp.collection);
    std::atomic<bool> cancelled{false};
    std::thread hand([&] {
        for (int wait = 0; wait < 100 && !cancelled; ++wait) {
            ::Sleep(100);
            // The system's progress dialog, once shown: a dialog titled as the program.
            HWND dialog = ::FindWindowW(L"#32770", L"Linkhaven");
            if (dialog && ::IsWindowVisible(dialog)) {
                ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                cancelled = true;
            }
        }
    });
    CodedSource source(std::string(10000, 'L'), 1);  // as a large file on a slow disk would
    const InsertedCounts counts = insertFromSource(tree(), source, nullptr, true, true);
    hand.join();
    EXPECT_TRUE(counts.cancelled);  // the progress dialog was found, and cancelled
    EXPECT_EQ(before, treeText(theApp.collection));
    EXPECT_EQ(before, controlText());

    // Three top-level items: a link, a folder nested 1,200 deep around one link, a link.
    CodedSource deep("L" + std::string(1200, 'F') + "L" + std::string(1200, 'E') + "L", 0);
    select("a");
    insertFromSource(tree(), deep, selectedItem(tree()), true, true);
    EXPECT_EQ("link 1", selectedTitle());
    std::vector<std::string> top;
    for (ChildPosition p = theApp.collection.childrenBegin(); !p.isEnd(); ++p) top.push_back(p.node()->title.str());
    EXPECT_EQ((std::vector<std::string>{"b", "F", "link 1", "level 2", "link 2403", "a"}), top);

    // kMaxDepth folders, each the only item of the one before; the last holds the link.
    const Folder* deepest = theApp.collection.childrenBegin().next().next().next().node()->asFolder();
    for (std::size_t depth = 1; deepest && depth < Folder::kMaxDepth; ++depth)
        deepest = deepest->childCount() == 1 ? deepest->childrenBegin().node()->asFolder() : nullptr;
    ASSERT_NE(nullptr, deepest);
    EXPECT_EQ(1u, deepest->childCount());
    EXPECT_EQ("link 1202", deepest->childrenBegin().node()->title.str());
}

// A double click, Enter and the context menu's Open open a link; a double
// click on a folder is left to the control, which toggles it. Paths (one the
// recorder itself) are refused with a message naming them; a file: address is
// asked about with No as the default: No cancels, Yes opens. So by a double
// click and by the browser command alike.
TEST_F(TreeView, ALinkOpensButNoFolderAndNoPathOtherSchemesAreAskedAboutAndItsAddressCopies) {
    const std::string record = folderPath("record.txt");
    StandInBrowser browser(record);
    select("F");
    EXPECT_EQ(0, notify(NM_DBLCLK));
    EXPECT_FALSE(fileExists(record));
    select("a");
    EXPECT_EQ(1, notify(NM_DBLCLK));
    EXPECT_EQ("show=3\narg=http://a/\n", awaitArgumentRecord(record));
    removeFile(record);
    select("b");
    EXPECT_EQ(1, notify(NM_RETURN));
    EXPECT_NE(std::string::npos, awaitArgumentRecord(record).find("arg=http://b/")) << "Enter opens the link";
    removeFile(record);
    runCommand(IDM_OPEN_LINK);
    EXPECT_NE(std::string::npos, awaitArgumentRecord(record).find("arg=http://b/")) << "Open opens the link";
    removeFile(record);

    const std::string recorder = recorderPath(), unc = "\\\\host\\share\\payload.exe";
    std::string file = "file:///" + recorder;
    std::replace(file.begin(), file.end(), '\\', '/');
    for (const std::string& address : {recorder, unc, file}) addLink(&theApp.collection, address, address);
    refresh();
    const struct { std::string address, shown; int answer; } cases[] = {
        {recorder, '"' + recorder + "\" is not opened", IDOK},
        {unc, '"' + unc + "\" is not opened", IDOK}, {file, file, IDNO}, {file, file, IDYES}};
    const std::function<void()> openers[] = {[this] { notify(NM_DBLCLK); },
                                             [this] { openSelectedLink(mainWindow(), tree(), true); }};
    for (const auto& c : cases) {
        for (const auto& open : openers) {
            select(c.address);
            if (c.answer == IDYES) ::SetEnvironmentVariableA("LINKHAVEN_RECORD_FILE", folderPath("yes.txt").c_str());
            EXPECT_EQ(1u, answered({[&](HWND box) {
                const LONG style = ::GetWindowLongW(::GetDlgItem(box, c.answer == IDOK ? IDOK : IDNO), GWL_STYLE);
                EXPECT_EQ(BS_DEFPUSHBUTTON, style & BS_TYPEMASK);
                EXPECT_NE(std::string::npos, messageBoxText(box).find(c.shown)) << messageBoxText(box);
                pressButton(box, c.answer);
            }}, open)) << c.address;
            if (c.answer == IDYES) {
                EXPECT_NE("", awaitArgumentRecord(folderPath("yes.txt")));
                removeFile(folderPath("yes.txt"));
            }
        }
    }
    EXPECT_FALSE(fileExists(record));  // a refused launch would have written it before Yes was answered

    // For a link the context menu begins with Open (its default, drawn bold)
    // and Copy address; for a folder or no selection without them.
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
