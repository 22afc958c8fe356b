#pragma once

#include <string>
#include <vector>

// The tool's arguments after its own name, in UTF-8: on Windows taken from
// the UTF-16 command line, so that a path in any script arrives whole.
std::vector<std::string> commandLineArguments(int argc, char** argv);
