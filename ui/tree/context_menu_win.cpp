#include "context_menu.h"

#include <commctrl.h>

#include <cstring>
#include <string>

#include "core/wide_text_win.h"
#include "ui/shell/language_modules.h"
#include "ui/resource_ids.h"
#include "ui/tree/tree_view.h"

namespace {
// The middle of the selected item's label on the screen; false without one.
bool selectionCentre(HWND tree, POINT& centre) {
    const HTREEITEM item = selectedItem(tree);
    if (!item) return false;
    // The message takes the item in the rectangle's place.
    RECT rect;
    std::memcpy(&rect, &item, sizeof item);
    if (!::SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect))) return false;
    centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ::ClientToScreen(tree, &centre);
    return true;
}
const Link* selectedLink(HWND tree) {
    const BookmarkNode* node = selectedTreeNode(tree);
    return node ? node->asLink() : nullptr;
}
}  // namespace

HMENU loadContextMenu(HWND tree) {
    HMENU menu = ::LoadMenuW(languageModules().module(), MAKEINTRESOURCEW(IDM_TREE_CONTEXT));
    HMENU popup = menu ? ::GetSubMenu(menu, 0) : nullptr;
    if (!popup) return menu;
    if (selectedLink(tree)) {
        ::SetMenuDefaultItem(popup, IDM_OPEN_LINK, FALSE);
    } else {
        ::DeleteMenu(popup, IDM_OPEN_LINK, MF_BYCOMMAND);
        ::DeleteMenu(popup, IDM_COPY_ADDRESS, MF_BYCOMMAND);
        // The separator that followed them.
        if (::GetMenuState(popup, 0, MF_BYPOSITION) & MF_SEPARATOR) ::DeleteMenu(popup, 0, MF_BYPOSITION);
    }
    return menu;
}

bool copySelectedAddress(HWND tree) {
    const Link* link = selectedLink(tree);
    if (!link || !::OpenClipboard(::GetParent(tree))) return false;
    ::EmptyClipboard();
    const std::wstring address = wideText(link->url.str());
    const std::size_t bytes = (address.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    void* data = block ? ::GlobalLock(block) : nullptr;
    bool placed = false;
    if (data) {
        std::memcpy(data, address.c_str(), bytes);
        ::GlobalUnlock(block);
        placed = ::SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    }
    if (!placed && block) ::GlobalFree(block);
    ::CloseClipboard();
    return placed;
}

void showContextMenu(HWND tree, bool byMouse) {
    POINT at;
    ::GetCursorPos(&at);
    // By mouse the item under the pointer is selected first: the menu is made for it.
    if (byMouse)
        ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(itemAtScreenPoint(tree, at.x, at.y)));
    else
        selectionCentre(tree, at);
    HMENU menu = loadContextMenu(tree);
    if (!menu) return;
    if (HMENU popup = ::GetSubMenu(menu, 0))
        ::TrackPopupMenu(popup, TPM_RIGHTBUTTON, at.x, at.y, 0, ::GetParent(tree), nullptr);
    ::DestroyMenu(menu);
}
