#include "shortcut_address.h"

#include <cstdint>

#include "core/address_scheme.h"
#include "core/unicode_text.h"

namespace {
int base64Value(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}
}  // namespace

std::string shortcutAddress(std::string_view wideUrl, std::string_view url) {
    const std::string address = wideUrl.empty() ? std::string(url) : utf7ToUtf8(wideUrl);
    // As in bookmark files: a scheme of two or more characters, not a drive letter.
    if (addressScheme(address).empty()) return {};
    return std::string(firstCharacters(address, kShortcutUrlLength));
}

std::string utf7ToUtf8(std::string_view text) {
    std::u16string units;
    units.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i++]);
        if (c != '+') {
            units += c < 0x80 ? char16_t{c} : char16_t{kReplacementCharacter};
            continue;
        }
        if (i < text.size() && text[i] == '-') {  // "+-" is the plus sign itself
            units += u'+';
            ++i;
            continue;
        }
        // Base64 of UTF-16 units up to the first other character; a "-"
        // that ends it is dropped, leftover bits too.
        std::uint32_t bits = 0;
        int count = 0;
        for (; i < text.size() && base64Value(text[i]) >= 0; ++i) {
            bits = bits << 6 | static_cast<std::uint32_t>(base64Value(text[i]));
            count += 6;
            if (count >= 16) {
                count -= 16;
                units += static_cast<char16_t>(bits >> count);
                bits &= (1u << count) - 1;
            }
        }
        if (i < text.size() && text[i] == '-') ++i;
    }
    return utf16ToUtf8(units);
}
