#include "core/address_scheme.h"

#include "core/ascii_case.h"

namespace {
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSchemeCharacter(char c) { return isLetter(c) || isDigit(c) || c == '+' || c == '-' || c == '.'; }

// Dotted labels of letters, digits and '-'; the last one, the top-level
// domain, of two letters or more.
bool isHostName(std::string_view host) {
    std::size_t labels = 0;
    while (true) {
        const std::size_t dot = host.find('.');
        const std::string_view label = host.substr(0, dot);
        if (label.empty()) return false;
        for (char c : label)
            if (!isLetter(c) && !isDigit(c) && c != '-') return false;
        ++labels;
        if (dot == std::string_view::npos) {
            if (labels < 2 || label.size() < 2) return false;
            for (char c : label)
                if (!isLetter(c)) return false;
            return true;
        }
        host.remove_prefix(dot + 1);
    }
}
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

bool looksLikeHostAddress(std::string_view text) {
    std::string_view host = text.substr(0, text.find_first_of("/?#"));
    if (const std::size_t colon = host.find(':'); colon != std::string_view::npos) {
        const std::string_view port = host.substr(colon + 1);
        if (port.empty() || port.size() > 5) return false;
        for (char c : port)
            if (!isDigit(c)) return false;
        host = host.substr(0, colon);
    }
    return isHostName(host);
}

std::string withAssumedScheme(std::string_view typed) {
    return looksLikeHostAddress(typed) ? "https://" + std::string(typed) : std::string(typed);
}
