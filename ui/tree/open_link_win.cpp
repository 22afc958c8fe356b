#include "ui/tree/open_link.h"

#include "core/bookmark_node.h"
#include "core/settings.h"
#include "exchange/launch_decision.h"
#include "exchange/url_launcher.h"
#include "exchange/url_launcher_win.h"
#include "ui/resource_ids.h"
#include "ui/shell/language_modules.h"
#include "ui/shell/ui_services.h"
#include "ui/tree/tree_view.h"

namespace {
// The language module's text `id` naming the address. The address is shown
// as it would be launched, so that line breaks cannot hide a part of it.
std::string textNaming(unsigned id, const std::string& address) {
    return loadText(id, encodeArgumentBreakers(address));
}

// Explains a refused address, asks about an unusual scheme (No by default).
bool userLetsOpen(HWND owner, const std::string& address) {
    switch (launchDecision(address)) {
    case LaunchDecision::Open:
        return true;
    case LaunchDecision::Ask:
        return showMessage(owner, textNaming(IDS_LINK_ASK, address),
                           MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
    case LaunchDecision::Refuse:
        break;
    }
    showMessage(owner, textNaming(IDS_LINK_REFUSED, address), MB_OK | MB_ICONEXCLAMATION);
    return false;
}
}  // namespace

bool openSelectedLink(HWND mainWindow, HWND tree, bool shiftHeld) {
    const BookmarkNode* node = selectedTreeNode(tree);
    const Link* link = node ? node->asLink() : nullptr;
    if (!link) return false;
    const std::string address = link->url.str();
    if (userLetsOpen(mainWindow, address) && launchUrl(mainWindow, address, shiftHeld, true) &&
        settings.MinOnUse != 0)
        ::ShowWindow(mainWindow, SW_SHOWMINNOACTIVE);
    return true;
}
