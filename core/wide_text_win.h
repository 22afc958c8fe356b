#pragma once

// The edge between the program's UTF-8 and the UTF-16 of the W functions.

#include <string>
#include <string_view>

#include "core/unicode_text.h"

inline std::wstring wideText(std::string_view text) {
    std::u16string wide = utf8ToUtf16(text);
    return std::wstring(wide.begin(), wide.end());
}

inline std::string narrowText(std::wstring_view text) {
    return utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}
