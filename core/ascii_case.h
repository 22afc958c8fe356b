#pragma once

// Comparing names of formats and protocols (schemes, charsets, INI keys,
// device names), which ignore the case of ASCII letters only.

#include <string_view>

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);
