#include "ini_reader.h"

#include "core/ascii_case.h"
#include "core/code_page.h"
#include "core/unicode_text.h"

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string utf16BytesToUtf8(std::string_view bytes, bool bigEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
        units += static_cast<char16_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
    }
    return utf16ToUtf8(units);
}

// The text in UTF-8, whatever byte-order mark it starts with; without one,
// in the ANSI code page.
std::string asUtf8(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") return repairedUtf8(text.substr(3));
    if (text.substr(0, 2) == "\xFF\xFE") return utf16BytesToUtf8(text.substr(2), false);
    if (text.substr(0, 2) == "\xFE\xFF") return utf16BytesToUtf8(text.substr(2), true);
    std::string converted;
    if (!codePageToUtf8(ansiCodePage(), text, converted)) converted = repairedUtf8(text);
    return converted;
}
}  // namespace

std::string readIniValue(std::string_view fileText, std::string_view section, std::string_view key,
                         std::size_t capacity) {
    const std::string text = asUtf8(fileText);
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
        return std::string(firstCharacters(value, capacity - 1));
    }
    return {};
}
