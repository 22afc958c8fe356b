#pragma once

#include <string>
#include <string_view>

// The contents of an Internet shortcut (.url) file for a UTF-8 address:
// "[InternetShortcut]" CR LF "URL=" address CR LF, nothing more. A shortcut
// file is read in the ANSI code page, so each byte of a non-ASCII character
// is written as %XX (upper-case hex), which every browser reads back as
// UTF-8. CR, LF and NUL bytes of the address are left out, so that an
// address cannot add lines (or cut the file short) of its own.
std::string ShortcutText(std::string_view url);
