#include "ui/shell/ui_services.h"

#include <commctrl.h>

#include "ui/shell/language_modules.h"
#include "ui/resource_ids.h"

std::string programPath() {
    char path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, length < sizeof path ? length : 0);  // a cut path is no path
}

int showMessage(HWND owner, const std::string& text, UINT style) {
    return ::MessageBoxA(owner, text.c_str(), loadText(IDS_APP_TITLE).c_str(), style);
}

int showMessageId(HWND owner, unsigned textId, UINT style) { return showMessage(owner, loadText(textId), style); }

HWND childById(HWND parent, int id) {
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (::GetDlgCtrlID(child) == id) return child;
    return nullptr;
}

BookmarkNode* selectedTreeNode(HWND tree) {
    const auto item = reinterpret_cast<HTREEITEM>(::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!item) return nullptr;
    TVITEMA data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    if (!::SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data))) return nullptr;
    return reinterpret_cast<BookmarkNode*>(data.lParam);
}

std::string windowText(HWND window) {
    std::string text(::GetWindowTextLengthA(window) + 1, '\0');
    text.resize(::GetWindowTextA(window, text.data(), static_cast<int>(text.size())));
    return text;
}
