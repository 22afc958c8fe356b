#pragma once

#include <string>

// Makes a UTF-8 title a name that Windows stores as an ordinary file, in
// place, and answers it: cut to 251 characters (never inside one); each of
// < > : " / \ | ? * and the dot, and every character below U+0020 (NUL
// included), becomes "_"; trailing blanks are dropped; a device name (con,
// prn, aux, nul, clock$, conin$, conout$, com0-9 and lpt0-9, also with a
// superscript 1, 2 or 3 for the digit, in any case) gets "_" appended. All
// other characters stay.
std::string& SafeFileName(std::string& text);
