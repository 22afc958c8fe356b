#pragma once

#include <windows.h>

#include <cstddef>

// A movable global memory block holding a copy of the bytes, the way data
// objects hand data out; null when memory is short.
HGLOBAL globalBlock(const void* bytes, std::size_t size);
