#include "ui/shell/folder_dialog.h"

#include <shlobj.h>

#include "core/wide_text_win.h"

bool chooseFolder(HWND owner, const std::string& title, std::string& chosen) {
    const std::wstring wideTitle = wideText(title);
    BROWSEINFOW browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = wideTitle.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE list = ::SHBrowseForFolderW(&browse);
    if (!list) return false;
    wchar_t path[MAX_PATH] = L"";
    const bool found = ::SHGetPathFromIDListW(list, path) != FALSE;
    ::CoTaskMemFree(list);
    if (found) chosen = narrowText(path);
    return found;
}
