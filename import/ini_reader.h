#pragma once

// Reads one value of an initialization (INI) file's text, by the rules of
// the Windows reader for this use: section and key matched without regard to
// case, blanks around keys and values ignored, a value in matching single or
// double quotes taken without them, the first of repeated keys winning, and
// a text that begins with a UTF-8 or UTF-16 byte-order mark read in that
// encoding, any other in the ANSI code page; the value comes in UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

// The value, cut to `capacity` - 1 characters as the Windows reader's
// buffer would (never inside one); empty when the section or key is missing.
std::string readIniValue(std::string_view fileText, std::string_view section, std::string_view key,
                         std::size_t capacity);
