#pragma once

// Case for searching without regard to it: each code point to its lower
// case, one code point to one. On Windows the system's mapping (as
// CharLowerW lowers); natively a built-in one for ASCII, Latin-1, Latin
// Extended-A, Greek and Cyrillic. Both also fold the final sigma to σ, so
// that a word typed in capitals finds its written form.
char32_t foldedCase(char32_t codePoint);

// An ASCII letter lowered, anything else as it is: the fold of ASCII text,
// without a table.
constexpr char foldedAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }
