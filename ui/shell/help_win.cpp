#include "ui/shell/help.h"

#include <string>

#include "ui/shell/help_pages.h"
#include "ui/shell/language_modules.h"
#include "ui/resource_ids.h"
#include "ui/shell/ui_services.h"

namespace {
// Empty when the language module names no help page.
std::string contentsPath() {
    const std::string pageName = loadText(IDS_HELP_FILE);
    if (pageName.empty()) return {};
    return helpContentsPath(programPath(), pageName);
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
    const std::string contents = contentsPath();
    return !contents.empty() && openPage(owner, helpTopicPath(contents, topic));
}
