#pragma once

// Code page 1252, the ANSI code page where the system has none of its own
// (natively): what Windows' own conversion gives, byte for byte. Characters
// it cannot hold become one '?' each, never a look-alike.

#include <string>
#include <string_view>

#include "core/unicode_text.h"

char32_t windows1252ToUnicode(unsigned char byte);
// The byte for `codePoint`, or '?' when code page 1252 has none.
char unicodeToWindows1252(char32_t codePoint);

// UTF-8 to code page 1252; `lossless`, when given, tells whether every
// character had a byte of its own.
std::string utf8ToWindows1252(std::string_view text, bool* lossless = nullptr);
