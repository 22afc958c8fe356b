#include "ini_reader.h"

#include "core/ascii_case.h"
#include "import/windows_1252.h"

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}


std::string utf16ToWindows1252(std::string_view bytes, bool bigEndian) {
    std::string out;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
        char32_t unit = bigEndian ? (first << 8 | second) : (second << 8 | first);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) i += 2;  // one character, one '?'
        out += unicodeToWindows1252(unit >= 0xD800 && unit <= 0xDFFF ? 0xFFFD : unit);
    }
    return out;
}

// The text in code page 1252, whatever byte-order mark it starts with.
std::string asWindows1252(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") return utf8ToWindows1252(text.substr(3));
    if (text.substr(0, 2) == "\xFF\xFE") return utf16ToWindows1252(text.substr(2), false);
    if (text.substr(0, 2) == "\xFE\xFF") return utf16ToWindows1252(text.substr(2), true);
    return std::string(text);
}
}  // namespace

std::string readIniValue(std::string_view fileText, std::string_view section, std::string_view key,
                         std::size_t capacity) {
    const std::string text = asWindows1252(fileText);
    std::string_view rest = text;
    bool inSection = false;
    while (!rest.empty()) {
        std::size_t end = rest.find_first_of("\r\n");
        std::string_view line = trimmed(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (line.empty()) continue;
        if (line.front() == '[') {
            std::size_t close = line.find(']');
            std::string_view name = line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
            inSection = equalsIgnoringAsciiCase(trimmed(name), section);
            continue;
        }
        if (!inSection) continue;
        std::size_t equals = line.find('=');
        std::string_view lineKey = trimmed(line.substr(0, equals));
        if (!equalsIgnoringAsciiCase(lineKey, key)) continue;
        std::string_view value = equals == std::string_view::npos ? std::string_view() : trimmed(line.substr(equals + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        if (capacity == 0) return {};
        return std::string(value.substr(0, capacity - 1));
    }
    return {};
}
