#include "link_opening.h"

#include "core/bookmark_node.h"
#include "core/settings.h"
#include "exchange/url_launcher.h"
#include "ui/tree_view.h"

bool openSelectedLink(HWND mainWindow, HWND tree, bool shiftHeld) {
    const BookmarkNode* node = nodeOfItem(tree, selectedItem(tree));
    const Link* link = node ? node->asLink() : nullptr;
    if (!link) return false;
    if (launchUrl(mainWindow, link->url.str(), shiftHeld) && settings.MinOnUse)
        ::ShowWindow(mainWindow, SW_SHOWMINNOACTIVE);
    return true;
}
