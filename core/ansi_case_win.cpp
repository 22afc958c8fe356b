#include "ansi_case.h"

#include <windows.h>

namespace {
// CharLowerA on one character costs a conversion to UTF-16 and back each
// time; the code page has only 256 bytes, so lower them all once.
struct LowerTable {
    char bytes[256];
    LowerTable() {
        for (int i = 0; i < 256; ++i) bytes[i] = static_cast<char>(i);
        ::CharLowerBuffA(bytes + 1, 255);  // NUL stays NUL
    }
};
}  // namespace

char lowerAnsi(char c) {
    static const LowerTable table;
    return table.bytes[static_cast<unsigned char>(c)];
}
