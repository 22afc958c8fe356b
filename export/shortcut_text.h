#pragma once

#include <string>
#include <string_view>

// The contents of an Internet shortcut (.url) file for an address:
// "[InternetShortcut]" CR LF "URL=" address CR LF, nothing more. CR, LF and
// NUL bytes of the address are left out, so that an address cannot add lines
// (or cut the file short) of its own.
std::string ShortcutText(std::string_view url);
