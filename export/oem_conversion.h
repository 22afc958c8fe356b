#pragma once

#include <cstddef>

// Converts text in place from the Windows ANSI code page to the OEM code page
// (for a console), byte for byte: the length never changes. Characters the
// OEM code page lacks become a look-alike or "?".
void convertAnsiToOem(char* text, std::size_t size);

// The same conversion for code page 1252 to code page 437, the pair of a
// Western European system, with the look-alikes Windows chooses. This is the
// conversion used where the system offers none.
void convertWindows1252ToOem437(char* text, std::size_t size);
