#include "oem_conversion.h"

// No system code pages here: text is taken to be in code page 1252, the
// code page the rest of the program assumes where the system has none.
void convertAnsiToOem(char* text, std::size_t size) { convertWindows1252ToOem437(text, size); }
