#include "case_fold.h"

namespace {
// Lower case of the pairs laid out as capital, small, capital, small...
// from `first` to `last`, when `codePoint` is a capital among them.
bool inPairs(char32_t codePoint, char32_t first, char32_t last) {
    return codePoint >= first && codePoint <= last && (codePoint - first) % 2 == 0;
}

char32_t latinExtendedA(char32_t c) {
    if (c == 0x130) return 'i';
    if (c == 0x178) return 0xFF;
    if (inPairs(c, 0x100, 0x12E) || inPairs(c, 0x132, 0x136) || inPairs(c, 0x14A, 0x176)) return c + 1;
    if (inPairs(c, 0x139, 0x147) || inPairs(c, 0x179, 0x17D)) return c + 1;
    return c;
}

char32_t greek(char32_t c) {
    if (c == 0x386) return 0x3AC;
    if (c >= 0x388 && c <= 0x38A) return c + 0x25;
    if (c == 0x38C) return 0x3CC;
    if (c == 0x38E || c == 0x38F) return c + 0x3F;
    if ((c >= 0x391 && c <= 0x3A1) || (c >= 0x3A3 && c <= 0x3AB)) return c + 0x20;
    if (c == 0x3C2) return 0x3C3;
    if (inPairs(c, 0x3D8, 0x3EE)) return c + 1;
    return c;
}

char32_t cyrillic(char32_t c) {
    if (c <= 0x40F) return c + 0x50;
    if (c <= 0x42F) return c + 0x20;
    if (c == 0x4C0) return 0x4CF;
    if (inPairs(c, 0x460, 0x480) || inPairs(c, 0x48A, 0x4BE) || inPairs(c, 0x4D0, 0x52E)) return c + 1;
    if (inPairs(c, 0x4C1, 0x4CD)) return c + 1;
    return c;
}
}  // namespace

char32_t foldedCase(char32_t c) {
    if (c < 0x80) return static_cast<char32_t>(foldedAscii(static_cast<char>(c)));
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    if (c >= 0x100 && c <= 0x17F) return latinExtendedA(c);
    if (c >= 0x370 && c <= 0x3FF) return greek(c);
    if (c >= 0x400 && c <= 0x52F) return cyrillic(c);
    return c;
}
