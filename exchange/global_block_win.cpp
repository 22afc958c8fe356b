#include "global_block_win.h"

#include <cstring>

HGLOBAL globalBlock(const void* bytes, std::size_t size) {
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return nullptr;
    void* destination = ::GlobalLock(block);
    if (!destination) {
        ::GlobalFree(block);
        return nullptr;
    }
    std::memcpy(destination, bytes, size);
    ::GlobalUnlock(block);
    return block;
}
