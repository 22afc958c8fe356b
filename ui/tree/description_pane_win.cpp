#include "ui/tree/description_pane.h"

#include "core/wide_text_win.h"
#include "ui/tree/description_text.h"
#include "ui/resource_ids.h"
#include "ui/shell/ui_services.h"
#include "ui/tree/tree_view.h"

HWND createDescriptionPane(HWND parent, const RECT& area) {
    return ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY, area.left, area.top,
                             area.right - area.left, area.bottom - area.top, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_DESCRIPTION_PANE)),
                             reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
}

void showDescription(HWND mainWindow) {
    HWND tree = childById(mainWindow, IDC_TREE);
    HWND pane = childById(mainWindow, IDC_DESCRIPTION_PANE);
    if (!pane) return;
    const std::string text = descriptionText(tree ? selectedTreeNode(tree) : nullptr);
    ::SetWindowTextW(pane, wideText(text).c_str());
}

bool descriptionHasSelection(HWND pane) {
    DWORD start = 0, end = 0;
    ::SendMessageW(pane, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start != end;
}
