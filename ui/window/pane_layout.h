#pragma once

// Where the main window's two panes go: the tree on top, the description
// pane below, a splitter strip between them that belongs to the window.

struct PaneRect {
    int x, y, width, height;
};

struct PaneLayout {
    PaneRect tree;
    PaneRect description;
    int descriptionHeight;  // stored back as the Descr setting
};

// `storedHeight` is the Descr setting; 0 (or less), or a height that no longer fits
// the client area, gives the description pane a quarter of the height.
PaneLayout computePaneLayout(int clientWidth, int clientHeight, int storedHeight, int splitterHeight);
