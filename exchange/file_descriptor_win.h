#pragma once

// The file group descriptor of a link offered as a virtual shortcut file: one
// file, named after the title made safe for a file system, with the
// extension ".url". (Apart from the shell headers, whose names clash with
// the tree's.)

#include <windows.h>

#include <string>

enum class DescriptorName {
    Wide,  // "FileGroupDescriptorW", 596 bytes: the name in UTF-16
    Ansi,  // "FileGroupDescriptor", 336 bytes: the name in the ANSI code page,
           // with '_' for each character it lacks
};

// Null for an empty title, or when memory is short. A name too long for the
// descriptor loses whole characters at its end, before ".url".
HGLOBAL shortcutDescriptorBlock(std::string title, DescriptorName form);
