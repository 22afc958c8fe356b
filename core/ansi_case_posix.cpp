#include "ansi_case.h"

namespace {
// Code page 1252: ASCII letters, Š Œ Ž Ÿ, and the Latin-1 capitals but the
// multiplication sign.
unsigned char lowered(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
    }
}
}  // namespace

char lowerAnsi(char c) { return static_cast<char>(lowered(static_cast<unsigned char>(c))); }
