// Find over a large tree in the real window, under Windows or Wine: a text
// found only in the last item, and a text found nowhere, each with and
// without ignoring case.
// Usage: search_bench_win [NODES] [SCRATCH_FOLDER]   (default 1,000,000 nodes)

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_support.h"
#include "bench_window_win.h"
#include "ui/application.h"
#include "ui/window/main_window.h"
#include "ui/window/search.h"
#include "ui/tree/tree_view.h"

namespace {
// Folders of nine links; the very last link's title holds the text searched for.
void buildCollection(std::size_t nodes) {
    theApp.collection.clear();
    Folder* folder = nullptr;
    for (std::size_t made = 0; made < nodes; ++made) {
        if (made % 10 == 0) {
            folder = theApp.collection.appendFolder(&theApp.collection).node()->asFolder();
            theApp.collection.setTitle(folder, "Folder " + std::to_string(made));
            continue;
        }
        Link* link = theApp.collection.appendLink(folder).node()->asLink();
        theApp.collection.setTitle(link, made + 1 == nodes ? "The Needle in the haystack" : "A page about subject " + std::to_string(made));
        theApp.collection.setUrl(link, "https://www.example.com/articles/" + std::to_string(made));
        theApp.collection.setDescription(link, "Some words that describe the page at some length");
    }
}

void measure(HWND tree, const char* what, const char* text, bool ignoreCase) {
    SearchState state;
    state.text = text;
    state.flags = SearchFlag::Urls | SearchFlag::Titles | SearchFlag::Descriptions | SearchFlag::Folders |
                  SearchFlag::FromTop | (ignoreCase ? SearchFlag::IgnoreCase : 0);
    Stopwatch watch;
    const bool found = findInTree(tree, state, false);
    std::printf("%-26s %-12s %6.3f s  %s\n", what, ignoreCase ? "ignore case" : "exact case", watch.seconds(),
                found ? "found" : "not found");
}
}  // namespace

int main(int argc, char** argv) {
    const std::size_t nodes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000000;
    HWND window = createBenchWindow();
    if (!window) return std::fprintf(stderr, "no main window\n"), 1;

    const std::string path = benchFolder(argc > 2 ? argc - 1 : 1, argv + (argc > 2 ? 1 : 0)) + "\\linkhaven-search-bench.lhv";
    buildCollection(nodes);
    theApp.collection.save(path);
    Stopwatch opening;
    openCollection(window, path);
    std::printf("%zu nodes in the window after %.1f s\n", nodes, opening.seconds());

    HWND tree = treeOf(window);
    for (bool ignoreCase : {false, true}) {
        measure(tree, "text in the last item", "Needle", ignoreCase);
        measure(tree, "text found nowhere", "Nowhere to be found", ignoreCase);
    }
    theApp.collection.modified = false;
    ::DestroyWindow(window);
    ::DeleteFileA(path.c_str());
    return 0;
}
