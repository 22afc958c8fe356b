#pragma once

#include <cstdio>
#include <string>
#include <vector>

// linkhaven-cli browser-command COMMAND ADDRESS: prints what opening ADDRESS
// with a registered browser command runs, one a line: "program: ..." and
// "arguments: ...", or "shell: ..." when the command names no program; a line
// "asks first: ..." before them when the user is asked first. 0; 1 when the
// address is not opened at all; 2 on bad usage.
int runBrowserCommandCommand(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err);
