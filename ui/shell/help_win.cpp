#include "ui/shell/help.h"

#include <string>

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
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteA(owner, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}
}  // namespace

bool helpContents(HWND owner) { return openPage(owner, contentsPath()); }

bool helpTopic(HWND owner, int topic) {
    return openPage(owner, helpTopicPath(contentsPath(), topic));
}
