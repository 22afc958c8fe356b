#pragma once

#include <string>

// Makes a title a name that Windows stores as an ordinary file, in place, and
// answers it: cut to 251 bytes; each of < > : " / \ | ? * and the dot, and
// every control byte (NUL included), becomes "_"; trailing blanks are
// dropped; a device name (con, prn, aux, nul, clock$, conin$, conout$,
// com0-9 and lpt0-9, also with a superscript 1, 2 or 3 for the digit, in any
// case) gets "_" appended. Bytes of 0x80 and above stay.
std::string& SafeFileName(std::string& text);
