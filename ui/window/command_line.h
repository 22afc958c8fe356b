#pragma once

#include <optional>
#include <string>
#include <string_view>

// The first argument of a command line: after leading blanks, either the
// text inside double quotes (to the closing quote or the end of the line)
// or the text up to the next blank. Nothing when that is empty; whatever
// follows the first argument is ignored.
std::optional<std::string> firstArgument(std::string_view commandLine);
