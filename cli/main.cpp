// linkhaven-cli: the collection core, importers and export from the command line.

#include <cstdio>
#include <string>
#include <vector>

#include "cli/browser_command_command.h"
#include "cli/command_line_arguments.h"
#include "cli/export_command.h"
#include "cli/import_command.h"
#include "cli/list_command.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {
struct Command {
    const char* name;
    const char* arguments;
    const char* summary;
    int (*run)(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err);
};

const Command kCommands[] = {
    {"list", "FILE.lhv", "print the collection's tree", runListCommand},
    {"export", "FILE.lhv TEMPLATE.lht OUTPUT", "write the collection through a template", runExportCommand},
    {"import", "OUTPUT.lhv PATH...", "import bookmark files, shortcuts and folders into a new collection",
     runImportCommand},
    {"browser-command", "COMMAND ADDRESS", "show how a registered browser command opens ADDRESS",
     runBrowserCommandCommand},
};

int usage() {
    std::fputs("usage: linkhaven-cli COMMAND ARGUMENTS\ncommands:\n", stderr);
    for (const Command& command : kCommands) {
        const std::string usage = std::string(command.name) + " " + command.arguments;
        std::fprintf(stderr, "  %-36s %s\n", usage.c_str(), command.summary);
    }
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Libraries loaded by name come from the system folder only, never from
    // the tool's folder or the current one.
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
#endif
    std::vector<std::string> arguments = commandLineArguments(argc, argv);
    if (arguments.empty()) return usage();
    const std::string name = arguments.front();
    arguments.erase(arguments.begin());
    for (const Command& command : kCommands)
        if (name == command.name) return command.run(arguments, stdout, stderr);
    return usage();
}
