#include "ui/shell/ui_services.h"

#include <commctrl.h>

#include "core/wide_text_win.h"
#include "ui/shell/language_modules.h"
#include "ui/resource_ids.h"

std::string programPath() {
    // Grown until the whole path fits: a cut path is no path.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return narrowText(std::wstring_view(path.data(), length));
        if (path.size() >= 32768) return {};
        path.resize(path.size() * 2);
    }
}

int showMessage(HWND owner, const std::string& text, UINT style) {
    return ::MessageBoxW(owner, wideText(text).c_str(), wideText(loadText(IDS_APP_TITLE)).c_str(), style);
}

int showMessageId(HWND owner, unsigned textId, UINT style) { return showMessage(owner, loadText(textId), style); }

HWND childById(HWND parent, int id) {
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (::GetDlgCtrlID(child) == id) return child;
    return nullptr;
}

std::string windowText(HWND window) {
    std::wstring text(::GetWindowTextLengthW(window) + 1, L'\0');
    text.resize(::GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
    return narrowText(text);
}
