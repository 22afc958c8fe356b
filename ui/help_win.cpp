#include "ui/help.h"

#include <string>

#include "ui/help_pages.h"
#include "ui/language_modules.h"
#include "ui/resource_ids.h"

namespace {
std::string contentsPath() {
    char program[MAX_PATH];
    const DWORD length = ::GetModuleFileNameA(nullptr, program, sizeof program);
    return helpContentsPath(std::string(program, length < sizeof program ? length : 0), loadText(IDS_HELP_FILE));
}

bool openPage(HWND owner, const std::string& path) {
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteA(owner, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}
}  // namespace

bool helpContents(HWND owner) { return openPage(owner, contentsPath()); }

bool helpTopic(HWND owner, int topic) { return openPage(owner, helpTopicPath(contentsPath(), topic)); }
