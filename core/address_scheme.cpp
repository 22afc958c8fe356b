#include "core/address_scheme.h"

namespace {
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isSchemeCharacter(char c) { return isLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'; }
char lowered(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

std::string_view addressScheme(std::string_view address) {
    if (address.empty() || !isLetter(address[0])) return {};
    std::size_t length = 1;
    while (length < address.size() && isSchemeCharacter(address[length])) ++length;
    if (length < 2 || length == address.size() || address[length] != ':') return {};
    return address.substr(0, length);
}

bool schemeIs(std::string_view scheme, std::string_view lowerCaseName) {
    if (scheme.size() != lowerCaseName.size()) return false;
    for (std::size_t i = 0; i < scheme.size(); ++i)
        if (lowered(scheme[i]) != lowerCaseName[i]) return false;
    return true;
}

bool isWebAddress(std::string_view address) {
    const std::string_view scheme = addressScheme(address);
    for (std::string_view web : {"http", "https", "ftp", "mailto"})
        if (schemeIs(scheme, web)) return true;
    return false;
}
