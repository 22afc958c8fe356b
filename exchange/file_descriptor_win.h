#pragma once

// The "FileGroupDescriptor" of a link offered as a virtual shortcut file: 336
// bytes describing one file, named after the title made safe for a file
// system, with the extension ".url". (Apart from the shell headers, whose
// names clash with the tree's.)

#include <windows.h>

#include <string>

// Null for an empty title, or when memory is short.
HGLOBAL shortcutDescriptorBlock(std::string title);
