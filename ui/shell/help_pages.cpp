#include "ui/shell/help_pages.h"

#include <cctype>
#include <cstring>

bool isPlainHelpPageName(const std::string& name) {
    for (const char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || std::strchr("\\/:*?\"<>|", c)) return false;
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || dot == 0) return false;
    std::string extension = name.substr(dot);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".htm" || extension == ".html";
}

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
