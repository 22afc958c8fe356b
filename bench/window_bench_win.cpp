// The main window with large collections, under Windows or Wine: opening
// (load plus filling the tree) beside the load alone and beside a bare tree
// control receiving the same items; sorting a folder of 10,000 links; and
// deleting a folder of 100,000 items; copying such a folder to the clipboard
// and pasting it back.
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
#include "ui/tree/clipboard_commands.h"
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
    Stopwatch loadWatch;
    theApp.collection.load(path);
    const double load = loadWatch.seconds();
    const double bare = bareTreeSeconds(window);
    Stopwatch openWatch;
    openCollection(window, path);
    const double open = openWatch.seconds();
    std::printf("open %8zu nodes: %6.3f s   load alone %6.3f s   bare tree control %6.3f s (%.2fx)\n", nodes,
                open, load, bare, open / bare);
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
    measureSort(window, path);
    measureDelete(window, path);
    measureCopyAndPaste(window, path);

    theApp.collection.modified = false;
    ::DestroyWindow(window);
    ::DeleteFileA(path.c_str());
    return 0;
}
