#include "context_menu.h"

#include <commctrl.h>

#include <cstring>

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
}  // namespace

void showContextMenu(HWND tree, bool byMouse) {
    HMENU menu = ::LoadMenuW(languageModules().module(), MAKEINTRESOURCEW(IDM_TREE_CONTEXT));
    if (!menu) return;
    if (HMENU popup = ::GetSubMenu(menu, 0)) {
        POINT at;
        ::GetCursorPos(&at);
        if (byMouse)
            ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET,
                           reinterpret_cast<LPARAM>(itemAtScreenPoint(tree, at.x, at.y)));
        else
            selectionCentre(tree, at);
        ::TrackPopupMenu(popup, TPM_RIGHTBUTTON, at.x, at.y, 0, ::GetParent(tree), nullptr);
    }
    ::DestroyMenu(menu);
}
