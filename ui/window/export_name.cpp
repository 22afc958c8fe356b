#include "ui/window/export_name.h"

#include <algorithm>

#include "core/ascii_case.h"
#include "export/safe_file_name.h"

namespace {
bool endsWithIgnoringCase(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && equalsIgnoringAsciiCase(text.substr(text.size() - end.size()), end);
}

// `part` in lower case.
bool containsIgnoringCase(std::string_view text, std::string_view part) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::search(text.begin(), text.end(), part.begin(), part.end(),
                       [&](char a, char b) { return lower(a) == b; }) != text.end();
}
}  // namespace

bool isHtmlTemplate(std::string_view templatePath, std::string_view beginning) {
    std::string_view name = templatePath;
    if (endsWithIgnoringCase(name, ".lht")) name.remove_suffix(4);
    if (endsWithIgnoringCase(name, ".html") || endsWithIgnoringCase(name, ".htm")) return true;
    beginning = beginning.substr(0, kTemplateSniffSize);
    for (std::string_view start : {"<html", "<!doctype html", "<!doctype netscape-bookmark-file"})
        if (containsIgnoringCase(beginning, start)) return true;
    return false;
}

std::string folderOf(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string_view::npos ? std::string() : std::string(path.substr(0, separator + 1));
}

std::string suggestedExportPath(std::string_view folder, std::string title, std::string_view fallback, bool html) {
    SafeFileName(title);
    if (title.empty()) title = fallback;
    return std::string(folder) + title + (html ? ".html" : ".txt");
}

bool runsWhenOpened(std::string_view path) {
    const std::size_t dot = path.find_last_of(".\\/");
    if (dot == std::string_view::npos || path[dot] != '.') return false;
    const std::string_view extension = path.substr(dot + 1);
    for (std::string_view running : {"bat", "cmd", "com", "cpl", "exe", "hta", "inf", "js", "jse", "lnk", "msc", "msi",
                                     "pif", "ps1", "reg", "scr", "url", "vbe", "vbs", "wsf", "wsh"})
        if (equalsIgnoringAsciiCase(extension, running)) return true;
    return false;
}
