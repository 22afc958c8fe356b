#pragma once

#include <cstdio>
#include <string>
#include <vector>

// linkhaven-cli browser-command COMMAND ADDRESS: prints the program and the
// arguments a registered browser command gives for an address, one a line:
// "program: ..." and "arguments: ...". 0, or 2 on bad usage.
int runBrowserCommandCommand(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err);
