#pragma once

// Whether an address may be handed to the shell or to a browser. Addresses
// come from shared bookmark files, so they are untrusted: the shell starts a
// program for a path ("C:\x.exe", "\\host\share\x.exe"), logs on to the host
// of a UNC path, and a browser takes an address beginning with '-' for a switch.

#include <string>

enum class LaunchDecision {
    Open,    // http, https, ftp and mailto: what a browser or mail program opens
    Ask,     // any other scheme (file:, javascript:, ...): the user decides
    Refuse,  // no scheme of two or more characters at the very start
};

LaunchDecision launchDecision(const std::string& address);
