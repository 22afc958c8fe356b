#pragma once

// The clipboard formats bookmarks travel in besides the standard CF_TEXT
// and CF_HDROP, registered by name once per process (at start-up).

#include <windows.h>

struct ClipboardFormats {
    CLIPFORMAT own;             // "Linkhaven": an item stream of one tree item
    CLIPFORMAT url;             // "UniformResourceLocator": a link's address
    CLIPFORMAT fileDescriptor;  // "FileGroupDescriptor": a link as a virtual .url file
    CLIPFORMAT fileContents;    // "FileContents": that file's contents
};

const ClipboardFormats& clipboardFormats();
