#pragma once

// Reads one value of an initialization (INI) file's text, by the rules of
// the Windows reader for this use: section and key matched without regard to
// case, blanks around keys and values ignored, a value in matching single or
// double quotes taken without them, the first of repeated keys winning, and
// a text that begins with a UTF-8 or UTF-16 byte-order mark read in that
// encoding and converted to code page 1252.

#include <cstddef>
#include <string>
#include <string_view>

// The value, cut to `capacity` - 1 bytes as the Windows reader's buffer
// would; empty when the section or key is missing.
std::string readIniValue(std::string_view fileText, std::string_view section, std::string_view key,
                         std::size_t capacity);
