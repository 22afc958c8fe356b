#include "shortcut_text.h"

namespace {
constexpr std::string_view kHead = "[InternetShortcut]\r\nURL=";
}

std::string ShortcutText(std::string_view url) {
    std::string text;
    text.reserve(kHead.size() + url.size() + 2);
    text += kHead;
    for (char c : url)
        if (c != '\r' && c != '\n' && c != '\0') text += c;
    text += "\r\n";
    return text;
}
