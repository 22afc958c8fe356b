#include "oem_conversion.h"

#include <windows.h>

void convertAnsiToOem(char* text, std::size_t size) {
    // CharToOemBuffA takes a 32-bit length; convert longer texts in pieces.
    constexpr std::size_t kPiece = 0x40000000;
    while (size > 0) {
        const DWORD piece = static_cast<DWORD>(size < kPiece ? size : kPiece);
        ::CharToOemBuffA(text, text, piece);
        text += piece;
        size -= piece;
    }
}
