// Undo and redo in the main window, under Windows or Wine: deleting a folder
// of 100,000 links beside undoing and redoing that deletion, and the same
// for sorting a folder of 10,000 links; with the bytes the history holds.
// Usage: undo_bench_win [SCRATCH_FOLDER]

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <random>
#include <string>

#include "bench_support.h"
#include "bench_window_win.h"
#include "ui/application.h"
#include "ui/tree/tree_view.h"
#include "ui/window/main_window.h"

namespace {
// Opens one folder of `links` links as a user would, selected; answers the tree.
HWND openFolderOfLinks(HWND window, const std::string& path, int links) {
    theApp.collection.clear();
    Folder* folder = theApp.collection.appendFolder(&theApp.collection).node()->asFolder();
    std::mt19937 random(11);
    for (int i = 0; i < links; ++i) {
        Link* link = theApp.collection.appendLink(folder).node()->asLink();
        theApp.collection.setTitle(link, "A page about subject number " + std::to_string(random() % 100000));
        theApp.collection.setUrl(link, "https://www.example.com/articles/" + std::to_string(i));
    }
    theApp.collection.save(path);
    openCollection(window, path);
    HWND tree = treeOf(window);
    TreeView_SelectItem(tree, TreeView_GetRoot(tree));
    return tree;
}

double seconds(const std::function<void()>& work) {
    Stopwatch watch;
    work();
    return watch.seconds();
}

void measure(const char* what, HWND tree, const std::function<void()>& change) {
    const double done = seconds(change);
    const double undone = seconds([&] { undoStep(tree); });
    const double redone = seconds([&] { redoStep(tree); });
    std::printf("%-40s %6.3f s   undo %6.3f s (%.2fx)   redo %6.3f s   history holds %5.1f MB\n", what, done,
                undone, undone / done, redone, megabytes(theApp.history.heldBytes()));
}
}  // namespace

int main(int argc, char** argv) {
    HWND window = createBenchWindow();
    if (!window) return std::fprintf(stderr, "no main window\n"), 1;
    const std::string path = benchFolder(argc, argv) + "\\linkhaven-undo-bench.lhv";

    HWND tree = openFolderOfLinks(window, path, 100000);
    measure("delete a folder of 100000 links:", tree, [&] { deleteItem(tree, TreeView_GetRoot(tree), true); });
    tree = openFolderOfLinks(window, path, 10000);
    measure("sort a folder of 10000 links:", tree, [&] { sortChildren(tree); });

    theApp.collection.modified = false;
    ::DestroyWindow(window);
    ::DeleteFileA(path.c_str());
    return 0;
}
