#include "exchange/url_launcher.h"

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
}  // namespace

std::string encodeArgumentBreakers(const std::string& address) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(address.size());
    for (char c : address) {
        if (c == '"' || c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            encoded += '%';
            encoded += kHex[static_cast<unsigned char>(c) >> 4];
            encoded += kHex[static_cast<unsigned char>(c) & 0xF];
        } else {
            encoded += c;
        }
    }
    return encoded;
}

BrowserCommand splitBrowserCommand(const std::string& command, const std::string& address) {
    const bool quoted = !command.empty() && command[0] == '"';
    const std::size_t start = quoted ? 1 : 0;
    const std::size_t delimiter = command.find(quoted ? '"' : ' ', start);
    if (delimiter == std::string::npos) return {command.substr(start), ""};

    BrowserCommand result{command.substr(start, delimiter - start), ""};
    std::size_t rest = delimiter + 1;
    while (rest < command.size() && isBlank(command[rest])) ++rest;
    if (rest == command.size()) return result;

    std::string remainder = command.substr(rest);
    const std::string safeAddress = encodeArgumentBreakers(address);
    const std::size_t placeholder = remainder.find("%1");
    if (placeholder != std::string::npos)
        result.arguments = remainder.replace(placeholder, 2, safeAddress);
    else
        result.arguments = remainder + " " + safeAddress;
    return result;
}
