#include "ui/shell/help.h"

#include <shellapi.h>

#include <string>

#include "core/wide_text_win.h"
#include "ui/shell/help_pages.h"
#include "ui/shell/language_modules.h"
#include "ui/resource_ids.h"
#include "ui/shell/ui_services.h"

namespace {
std::string contentsPath() {
    const std::string pageName = loadText(IDS_HELP_FILE);
    return helpContentsPath(programPath(), isPlainHelpPageName(pageName) ? pageName : kDefaultHelpPage);
}

bool openPage(HWND owner, const std::string& path) {
    if (path.empty()) return false;
    const std::wstring file = wideText(path);
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    request.fMask = SEE_MASK_FLAG_NO_UI;  // as ShellExecute: the shell shows no error box
    request.hwnd = owner;
    request.lpVerb = L"open";
    request.lpFile = file.c_str();
    request.nShow = SW_SHOWNORMAL;
    return ::ShellExecuteExW(&request) != FALSE;
}
}  // namespace

bool helpContents(HWND owner) { return openPage(owner, contentsPath()); }

bool helpTopic(HWND owner, int topic) {
    return openPage(owner, helpTopicPath(contentsPath(), topic));
}
