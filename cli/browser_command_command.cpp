#include "cli/browser_command_command.h"

#include "exchange/url_launcher.h"

int runBrowserCommandCommand(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err) {
    if (arguments.size() != 2) {
        std::fputs("usage: linkhaven-cli browser-command COMMAND ADDRESS\n", err);
        return 2;
    }
    const BrowserCommand split = splitBrowserCommand(arguments[0], arguments[1]);
    std::fprintf(out, "program: %s\narguments: %s\n", split.program.c_str(), split.arguments.c_str());
    return 0;
}
