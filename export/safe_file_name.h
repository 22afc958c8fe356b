#pragma once

#include <string>

// Makes a title usable as a Windows file name, in place, and answers it: cut
// to 251 bytes; each of < > : / \ | . and the double quote becomes "_"; a
// reserved device name (con, prn, aux, clock$, nul, com1-9, lpt1-9, in any
// case) gets "_" appended. No byte is removed; control bytes and bytes of
// 0x80 and above stay.
std::string& SafeFileName(std::string& text);
