// The main window with large collections, under Windows or Wine: opening,
// replacing and closing a collection, beside the load alone and beside a
// bare tree control receiving an item for every node; End, a rename, Find
// and a drop into a folder never opened, checked at a million nodes; sorting
// a folder of 10,000 links; deleting a folder of 100,000 items; copying such
// a folder to the clipboard and pasting it back.
// Usage: window_bench_win [SCRATCH_FOLDER]

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "bench_window_win.h"
#include "ui/application.h"
#include "exchange/bookmark_data_object_win.h"
#include "ui/tree/clipboard_commands.h"
#include "ui/tree/drag_drop.h"
#include "ui/window/document_commands.h"
#include "ui/window/search.h"
#include "ui/window/main_window.h"
#include "ui/tree/tree_view.h"

namespace {
// A collection of about `nodes` nodes: folders of ten links, ten folders to a parent folder.
void buildCollection(Collection& c, std::size_t nodes) {
    c.clear();
    std::mt19937 random(7);
    std::vector<Folder*> parents{&c};
    std::size_t made = 0;
    while (made < nodes) {
        Folder* folder = c.appendFolder(parents[random() % parents.size()]).node()->asFolder();
        c.setTitle(folder, "Folder " + std::to_string(made));
        ++made;
        if (parents.size() < nodes / 100) parents.push_back(folder);
        for (int i = 0; i < 10 && made < nodes; ++i, ++made) {
            Link* link = c.appendLink(folder).node()->asLink();
            c.setTitle(link, "A page about subject number " + std::to_string(random() % 100000));
            c.setUrl(link, "https://www.example.com/articles/" + std::to_string(made));
        }
    }
}

// Fills a plain tree control with the collection's titles, as the program
// does but with nothing else around it: the floor.
double bareTreeSeconds(HWND parent) {
    HWND tree = ::CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD | TVS_HASBUTTONS | TVS_HASLINES, 0, 0, 300, 300,
                                  parent, nullptr, nullptr, nullptr);
    Stopwatch watch;
    ::SendMessageA(tree, WM_SETREDRAW, FALSE, 0);
    std::vector<std::pair<ChildPosition, HTREEITEM>> open{{theApp.collection.childrenBegin(), TVI_ROOT}};
    while (!open.empty()) {
        auto& [position, parentItem] = open.back();
        if (position.isEnd()) {
            open.pop_back();
            continue;
        }
        BookmarkNode* node = position.node();
        ++position;
        TVINSERTSTRUCTA insert{};
        insert.hParent = parentItem;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = const_cast<char*>(node->title.c_str());
        insert.item.lParam = reinterpret_cast<LPARAM>(node);
        auto item = reinterpret_cast<HTREEITEM>(::SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
        if (Folder* folder = node->asFolder()) open.emplace_back(folder->childrenBegin(), item);
    }
    ::SendMessageA(tree, WM_SETREDRAW, TRUE, 0);
    const double seconds = watch.seconds();
    ::DestroyWindow(tree);
    return seconds;
}

HTREEITEM firstTopItem(HWND tree) { return TreeView_GetRoot(tree); }

// Opens the collection as built, from a file as a user would, with its first
// item selected; answers the tree.
HWND showCollection(HWND window, const std::string& path) {
    theApp.collection.save(path);
    openCollection(window, path);
    HWND tree = treeOf(window);
    TreeView_SelectItem(tree, firstTopItem(tree));
    return tree;
}

void measureOpening(HWND window, const std::string& path, std::size_t nodes) {
    buildCollection(theApp.collection, nodes);
    theApp.collection.save(path);
    theApp.collection.clear();  // freeing is timed as part of close
    Stopwatch loadWatch;
    theApp.collection.load(path);
    const double load = loadWatch.seconds();
    // Past 100,000 items a bare control under Wine takes minutes.
    const double bare = nodes <= 100000 ? bareTreeSeconds(window) : -1;
    newCollection(window);
    Stopwatch openWatch;
    openCollection(window, path);
    const double open = openWatch.seconds();
    Stopwatch replaceWatch;
    openCollection(window, path);
    const double replace = replaceWatch.seconds();
    Stopwatch closeWatch;
    newCollection(window);
    const double close = closeWatch.seconds();
    std::printf("%8zu nodes: open %6.3f s  replace %6.3f s  close %6.3f s   load alone %6.3f s   "
                "every item in a bare tree control %6.3f s (-1: not tried)   peak %.0f MB\n",
                nodes, open, replace, close, load, bare, megabytes(peakMemoryBytes()));
}

HTREEITEM lastTopItem(HWND tree) {
    HTREEITEM last = nullptr;
    for (HTREEITEM item = TreeView_GetRoot(tree); item; item = TreeView_GetNextSibling(tree, item)) last = item;
    return last;
}

// The tree's last node: the last child of each last child.
BookmarkNode* lastNodeOf(Folder& root) {
    BookmarkNode* last = nullptr;
    for (Folder* folder = &root; folder && folder->childCount() > 0; folder = last->asFolder()) {
        ChildPosition at = folder->childrenBegin();
        while (!at.next().isEnd()) ++at;
        last = at.node();
    }
    return last;
}

const char* verdict(bool passed) { return passed ? "yes" : "NO"; }

// What a user does first with a large collection, each step checked: End,
// a rename saved, Find of the very last link, a drop into a folder never opened.
void checkLargeCollection(HWND window, const std::string& path, std::size_t nodes) {
    buildCollection(theApp.collection, nodes);
    theApp.collection.setTitle(lastNodeOf(theApp.collection), "The very last page");
    HWND tree = showCollection(window, path);
    BookmarkNode* lastLink = lastNodeOf(theApp.collection);

    ::SendMessageW(tree, WM_KEYDOWN, VK_END, 0);
    HTREEITEM end = TreeView_GetSelection(tree);
    const bool endSelectsLast = end && end == lastTopItem(tree);
    ::SendMessageW(tree, TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(end));
    ::SetWindowTextW(reinterpret_cast<HWND>(::SendMessageW(tree, TVM_GETEDITCONTROL, 0, 0)), L"Renamed at the end");
    ::SendMessageW(tree, TVM_ENDEDITLABELNOW, FALSE, 0);
    saveCollection(window);
    Collection saved;
    saved.load(path);
    ChildPosition lastSaved = saved.childrenBegin();
    while (!lastSaved.next().isEnd()) ++lastSaved;
    std::printf("%zu nodes: End selects the last top-level folder: %s; its rename is saved: %s\n", nodes,
                verdict(endSelectsLast), verdict(lastSaved.node()->title.str() == "Renamed at the end"));

    SearchState search;
    search.text = "the very last";
    search.flags = SearchFlag::Titles | SearchFlag::IgnoreCase | SearchFlag::FromTop;
    Stopwatch findWatch;
    const bool found = findInTree(tree, search, false);
    const double find = findWatch.seconds();
    HTREEITEM selected = TreeView_GetSelection(tree);
    const bool shown = found && nodeOfItem(tree, selected) == lastLink &&
                       (TreeView_GetItemState(tree, TreeView_GetParent(tree, selected), TVIS_EXPANDED) & TVIS_EXPANDED);
    std::printf("%zu nodes: Find of the last link %6.3f s, selected with its folder open: %s\n", nodes, find,
                verdict(shown));

    // The first top-level folder's children have no items yet.
    HTREEITEM target = TreeView_GetRoot(tree);
    Folder* targetFolder = nodeOfItem(tree, target)->asFolder();
    const bool neverOpened = TreeView_GetChild(tree, target) == nullptr;
    TreeView_EnsureVisible(tree, target);  // Find scrolled to the end
    RECT rect{};
    TreeView_GetItemRect(tree, target, &rect, TRUE);
    POINT over{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ::ClientToScreen(tree, &over);
    const auto data = ComPointer<BookmarkDataObject>::adopt(new BookmarkDataObject(theApp.collection, *lastLink));
    DWORD effect = DROPEFFECT_COPY;
    IDropTarget* dropTarget = treeDropTarget();
    dropTarget->DragEnter(data.get(), MK_CONTROL, {over.x, over.y}, &effect);
    effect = DROPEFFECT_COPY;
    dropTarget->DragOver(MK_CONTROL, {over.x, over.y}, &effect);
    effect = DROPEFFECT_COPY;
    dropTarget->Drop(data.get(), MK_CONTROL, {over.x, over.y}, &effect);
    ChildPosition dropped = targetFolder->childrenBegin();
    while (!dropped.next().isEnd()) ++dropped;
    std::printf("%zu nodes: a drop on a folder never opened (%s) puts the link last inside it: %s\n", nodes,
                verdict(neverOpened), verdict(dropped.node()->title.str() == "The very last page" && dropped.node() != lastLink));
    theApp.collection.modified = false;
}

void measureSort(HWND window, const std::string& path) {
    theApp.collection.clear();
    Folder* folder = theApp.collection.appendFolder(&theApp.collection).node()->asFolder();
    std::mt19937 random(11);
    for (int i = 0; i < 10000; ++i)
        theApp.collection.setTitle(theApp.collection.appendLink(folder).node(), "Page " + std::to_string(random()));
    HWND tree = showCollection(window, path);
    Stopwatch watch;
    sortChildren(tree);
    std::printf("sort a folder of 10000 links: %6.3f s\n", watch.seconds());
}

void measureDelete(HWND window, const std::string& path) {
    theApp.collection.clear();
    Folder* folder = theApp.collection.appendFolder(&theApp.collection).node()->asFolder();
    for (int i = 0; i < 1000; ++i) {
        Folder* inner = theApp.collection.appendFolder(folder).node()->asFolder();
        for (int j = 0; j < 99; ++j) theApp.collection.setTitle(theApp.collection.appendLink(inner).node(), "link");
    }
    HWND tree = showCollection(window, path);
    Stopwatch watch;
    deleteItem(tree, firstTopItem(tree), true);
    std::printf("delete a folder of 100000 items: %6.3f s\n", watch.seconds());
}

void measureCopyAndPaste(HWND window, const std::string& path) {
    theApp.collection.clear();
    Folder* folder = theApp.collection.appendFolder(&theApp.collection).node()->asFolder();
    for (int i = 0; i < 100000; ++i) {
        Link* link = theApp.collection.appendLink(folder).node()->asLink();
        theApp.collection.setTitle(link, "A page about subject number " + std::to_string(i));
        theApp.collection.setUrl(link, "https://www.example.com/articles/" + std::to_string(i));
    }
    HWND tree = showCollection(window, path);
    Stopwatch copyWatch;
    copyToClipboard(tree, false);
    const double copy = copyWatch.seconds();
    Stopwatch pasteWatch;
    pasteFromClipboard(tree);
    std::printf("copy a folder of 100000 links: %6.3f s   paste it: %6.3f s\n", copy, pasteWatch.seconds());
}
}  // namespace

int main(int argc, char** argv) {
    HWND window = createBenchWindow();
    if (!window) return std::fprintf(stderr, "no main window\n"), 1;

    const std::string path = benchFolder(argc, argv) + "\\linkhaven-window-bench.lhv";
    for (std::size_t nodes : {10000u, 100000u, 1000000u}) measureOpening(window, path, nodes);
    checkLargeCollection(window, path, 1000000);
    measureSort(window, path);
    measureDelete(window, path);
    measureCopyAndPaste(window, path);

    theApp.collection.modified = false;
    ::DestroyWindow(window);
    ::DeleteFileA(path.c_str());
    return 0;
}
