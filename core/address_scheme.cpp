#include "core/address_scheme.h"

#include "core/ascii_case.h"

namespace {
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isSchemeCharacter(char c) { return isLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'; }
}  // namespace

std::string_view addressScheme(std::string_view address) {
    if (address.empty() || !isLetter(address[0])) return {};
    std::size_t length = 1;
    while (length < address.size() && isSchemeCharacter(address[length])) ++length;
    if (length < 2 || length == address.size() || address[length] != ':') return {};
    return address.substr(0, length);
}


bool isWebAddress(std::string_view address) {
    const std::string_view scheme = addressScheme(address);
    for (std::string_view web : {"http", "https", "ftp", "mailto"})
        if (equalsIgnoringAsciiCase(scheme, web)) return true;
    return false;
}
