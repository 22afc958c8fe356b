#pragma once

#include <string_view>

// The order of the Sort command: titles compared byte by byte, each lowered
// in the ANSI code page; the difference of the first pair that differs, or 0
// when the shorter title ends first (a title equals every longer title that
// begins with it, case aside).
int compareTitles(std::string_view a, std::string_view b);
