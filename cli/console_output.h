#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Writes text held in the ANSI code page (1252 where the system has none) to
// standard output or standard error: wide characters on a Windows console,
// UTF-8 everywhere else, so pipes and files read the same on both platforms.
void writeAnsiText(std::FILE* stream, std::string_view ansiText);

// The same text in UTF-8.
std::string ansiToUtf8(std::string_view ansiText);
