#include "exchange/url_launcher.h"

#include <string_view>

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// How many bytes at the start of `text` make a character that could end or
// split an argument: a quote, a blank or a control character (C0, DEL, and
// the C1 controls U+0080 to U+009F, two bytes in UTF-8); 0 for any other.
std::size_t argumentBreakerLength(std::string_view text) {
    const auto byte = static_cast<unsigned char>(text[0]);
    if (byte == '"' || byte == ' ' || byte < 0x20 || byte == 0x7F) return 1;
    const bool c1Control = byte == 0xC2 && text.size() > 1 && static_cast<unsigned char>(text[1]) >= 0x80 &&
                           static_cast<unsigned char>(text[1]) <= 0x9F;
    return c1Control ? 2 : 0;
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
    for (std::size_t at = 0; at < address.size();) {
        std::size_t length = argumentBreakerLength(std::string_view(address).substr(at));
        if (length == 0) encoded += address[at++];
        for (; length > 0; --length, ++at) {
            const auto byte = static_cast<unsigned char>(address[at]);
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0xF];
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
