// linkhaven-cli: the collection core, importers and export from the command line.

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/list_command.h"

namespace {
int usage() {
    std::fputs(
        "usage: linkhaven-cli COMMAND ARGUMENTS\n"
        "commands:\n"
        "  list FILE.lhv    print the collection's tree\n",
        stderr);
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const char* command = argv[1];
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    if (std::strcmp(command, "list") == 0) return runListCommand(arguments, stdout, stderr);
    return usage();
}
