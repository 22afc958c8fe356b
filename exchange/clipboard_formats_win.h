#pragma once

// The clipboard formats bookmarks travel in besides the standard text formats
// and CF_HDROP, registered by name once per process (at start-up). Each text
// format has a UTF-16 (W) or UTF-8 form that carries every character, and an
// ANSI form for older programs, in which characters the ANSI code page lacks
// are lost.

#include <windows.h>

#include <array>
#include <cstdint>

// How many of ClipboardFormats::offered a folder and a link are offered in.
inline constexpr std::uint16_t kFolderFormatCount = 5;
inline constexpr std::uint16_t kLinkFormatCount = 10;

struct ClipboardFormats {
    CLIPFORMAT own;                 // "Linkhaven UTF-8": an item stream of one tree item
    CLIPFORMAT ownAnsi;             // "Linkhaven": the same in the ANSI code page, as older versions read it
    CLIPFORMAT urlWide;             // "UniformResourceLocatorW": a link's address
    CLIPFORMAT url;                 // "UniformResourceLocator": the address in the ANSI code page
    CLIPFORMAT fileDescriptorWide;  // "FileGroupDescriptorW": a link as a virtual .url file
    CLIPFORMAT fileDescriptor;      // "FileGroupDescriptor": the same with an ANSI file name
    CLIPFORMAT fileContents;        // "FileContents": that file's contents
    // Every format a tree item is offered in, best first: a folder in the
    // first kFolderFormatCount, a link in all of them.
    std::array<CLIPFORMAT, kLinkFormatCount> offered;
};

const ClipboardFormats& clipboardFormats();
