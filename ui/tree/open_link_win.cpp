#include "ui/tree/open_link.h"

#include "core/bookmark_node.h"
#include "core/settings.h"
#include "exchange/url_launcher_win.h"
#include "ui/shell/ui_services.h"
#include "ui/tree/tree_view.h"

bool openSelectedLink(HWND mainWindow, HWND tree, bool shiftHeld) {
    const BookmarkNode* node = selectedTreeNode(tree);
    const Link* link = node ? node->asLink() : nullptr;
    if (!link) return false;
    if (launchUrl(mainWindow, link->url.str(), shiftHeld) && settings.MinOnUse != 0)
        ::ShowWindow(mainWindow, SW_SHOWMINNOACTIVE);
    return true;
}
