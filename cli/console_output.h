#pragma once

#include <cstdio>
#include <string_view>

// Writes UTF-8 text to standard output or standard error: as UTF-16 to a
// Windows console, which shows every script that way, and as the UTF-8
// bytes everywhere else, so pipes and files read the same on both platforms.
void writeText(std::FILE* stream, std::string_view text);
