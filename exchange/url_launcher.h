#pragma once

// Opening a link: the parsing of the browser command registered for http.

#include <string>

struct BrowserCommand {
    std::string program;    // without quotes; empty when the command names none
    std::string arguments;  // as the program is started with them
};

// Splits a registered browser command into its program and its arguments
// with the address put in: in place of the first "%1", else appended after a
// space (alone when the command has no arguments). The address is inserted
// with every byte that could end or split an argument percent-encoded, and
// with its trailing backslashes doubled before a quote, so it stays one
// argument.
BrowserCommand splitBrowserCommand(const std::string& command, const std::string& address);

// The UTF-8 address with double quote, space, tab, CR, LF and every other
// control character (C1 included) percent-encoded, byte by byte. Other
// characters stay as they are, for the browser to encode.
std::string encodeArgumentBreakers(const std::string& address);
