#pragma once

// Opening a link: the parsing of the browser command registered for http.

#include <string>

struct BrowserCommand {
    std::string program;    // without quotes
    std::string arguments;  // empty when the command has none
};

// Splits a registered browser command into its program and its arguments
// with the address put in: in place of the first "%1", else appended after a
// space. The address is inserted with every byte that could end or split an
// argument percent-encoded, so it stays one argument.
BrowserCommand splitBrowserCommand(const std::string& command, const std::string& address);

// The address with double quote, space, tab, CR and LF percent-encoded.
std::string encodeArgumentBreakers(const std::string& address);
