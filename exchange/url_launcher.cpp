#include "exchange/url_launcher.h"

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

bool breaksArgument(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return c == '"' || c == ' ' || byte < 0x20 || byte == 0x7F;
}

// Backslashes before a quote are escapes when a program splits its command
// line (as CommandLineToArgvW does): "dir\" would quote the rest of the line.
std::string beforeClosingQuote(std::string argument) {
    std::size_t backslashes = 0;
    while (backslashes < argument.size() && argument[argument.size() - 1 - backslashes] == '\\') ++backslashes;
    return argument.append(backslashes, '\\');
}
}  // namespace

std::string encodeArgumentBreakers(const std::string& address) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(address.size());
    for (char c : address) {
        if (breaksArgument(c)) {
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
    const std::string safeAddress = encodeArgumentBreakers(address);
    const bool quoted = !command.empty() && command[0] == '"';
    const std::size_t start = quoted ? 1 : 0;
    const std::size_t delimiter = command.find(quoted ? '"' : ' ', start);
    if (delimiter == std::string::npos) return {command.substr(start), safeAddress};

    BrowserCommand result{command.substr(start, delimiter - start), safeAddress};
    std::size_t rest = delimiter + 1;
    while (rest < command.size() && isBlank(command[rest])) ++rest;
    if (rest == command.size()) return result;

    std::string remainder = command.substr(rest);
    const std::size_t placeholder = remainder.find("%1");
    if (placeholder == std::string::npos) {
        result.arguments = remainder + " " + safeAddress;
    } else {
        const bool quoteFollows = placeholder + 2 < remainder.size() && remainder[placeholder + 2] == '"';
        result.arguments =
            remainder.replace(placeholder, 2, quoteFollows ? beforeClosingQuote(safeAddress) : safeAddress);
    }
    return result;
}
