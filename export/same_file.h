#pragma once

#include <string>

// Whether both paths (UTF-8) name one existing file (also through another spelling,
// a link or a different case where the file system ignores case).
bool isSameExistingFile(const std::string& first, const std::string& second);
