#include "pane_layout.h"

PaneLayout computePaneLayout(int clientWidth, int clientHeight, int storedHeight, int splitterHeight) {
    const int descriptionHeight =
        storedHeight <= 0 || storedHeight >= clientHeight ? clientHeight / 4 : storedHeight;
    PaneLayout layout;
    layout.tree = {0, 0, clientWidth, clientHeight - descriptionHeight - splitterHeight};
    layout.description = {0, clientHeight - descriptionHeight, clientWidth, descriptionHeight};
    layout.descriptionHeight = descriptionHeight;
    return layout;
}
