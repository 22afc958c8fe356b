#include "case_fold.h"

#include <windows.h>

#include <memory>

namespace {
// CharLowerW per character costs a call into the system each time; the
// Basic Multilingual Plane is lowered once, into a table (128 KB).
struct LowerTable {
    std::unique_ptr<wchar_t[]> lower{new wchar_t[0x10000]};
    LowerTable() {
        for (unsigned i = 0; i < 0x10000; ++i) lower[i] = static_cast<wchar_t>(i);
        ::CharLowerBuffW(lower.get() + 1, 0xFFFF);  // NUL stays NUL
        lower[0x3C2] = 0x3C3;                       // final sigma
    }
};
}  // namespace

char32_t foldedCase(char32_t codePoint) {
    static const LowerTable table;
    if (codePoint > 0xFFFF) return codePoint;
    const char32_t lowered = static_cast<unsigned short>(table.lower[codePoint]);
    // A surrogate alone is no character: it stays as it is.
    return lowered >= 0xD800 && lowered <= 0xDFFF ? codePoint : lowered;
}
