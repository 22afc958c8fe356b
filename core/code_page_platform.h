#pragma once

// The platform's half of code page conversion (code_page_win.cpp,
// code_page_posix.cpp), below the shortcuts that code_page.cpp takes for
// ASCII text and UTF-8.

#include <string>
#include <string_view>

#include "core/code_page.h"

bool platformCodePageToUtf8(unsigned codePage, std::string_view text, std::string& out);
// Calls `missing` for each character the code page lacks; `missing` is set.
bool platformUtf8ToCodePage(unsigned codePage, std::string_view text, std::string& out,
                            const MissingCharacter& missing);
