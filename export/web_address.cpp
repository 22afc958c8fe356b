#include "web_address.h"

namespace {
constexpr std::string_view kWebSchemes[] = {"http:", "https:", "ftp:", "mailto:"};

bool startsWithIgnoringAsciiCase(std::string_view text, std::string_view lowerPrefix) {
    if (text.size() < lowerPrefix.size()) return false;
    for (std::size_t i = 0; i < lowerPrefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != lowerPrefix[i]) return false;
    }
    return true;
}
}  // namespace

// Browsers skip leading blanks and control bytes and drop tabs and line
// breaks inside a scheme; demanding the scheme at the very start rather than
// imitating that leaves no spelling of another scheme that passes.
bool isWebAddress(std::string_view address) {
    for (std::string_view scheme : kWebSchemes)
        if (startsWithIgnoringAsciiCase(address, scheme)) return true;
    return false;
}
