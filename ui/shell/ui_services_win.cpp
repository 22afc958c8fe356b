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

std::string windowText(HWND window) {
    std::string text(::GetWindowTextLengthA(window) + 1, '\0');
    text.resize(::GetWindowTextA(window, text.data(), static_cast<int>(text.size())));
    return text;
}
