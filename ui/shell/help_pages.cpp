#include "ui/shell/help_pages.h"

std::string helpContentsPath(const std::string& programPath, const std::string& pageName) {
    const std::size_t slash = programPath.find_last_of('\\');
    if (slash == std::string::npos) return pageName;
    return programPath.substr(0, slash + 1) + pageName;
}

std::string helpTopicPath(const std::string& contentsPath, int topic) {
    const std::size_t nameStart = contentsPath.find_last_of("\\/") + 1;  // 0 without a folder
    std::size_t dot = contentsPath.find_last_of('.');
    if (dot == std::string::npos || dot < nameStart) dot = contentsPath.size();
    return contentsPath.substr(0, dot) + "-" + std::to_string(topic) + contentsPath.substr(dot);
}
