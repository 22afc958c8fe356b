#include "shortcut_text.h"

namespace {
constexpr std::string_view kHead = "[InternetShortcut]\r\nURL=";
constexpr char kHexDigits[] = "0123456789ABCDEF";
}  // namespace

std::string ShortcutText(std::string_view url) {
    std::string text;
    text.reserve(kHead.size() + url.size() + 2);
    text += kHead;
    for (char c : url) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            text += '%';
            text += kHexDigits[byte >> 4];
            text += kHexDigits[byte & 0xF];
        } else if (c != '\r' && c != '\n' && c != '\0') {
            text += c;
        }
    }
    text += "\r\n";
    return text;
}
