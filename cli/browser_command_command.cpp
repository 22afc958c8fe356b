#include "cli/browser_command_command.h"

#include "exchange/launch_decision.h"
#include "exchange/url_launcher.h"

int runBrowserCommandCommand(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err) {
    if (arguments.size() != 2) {
        std::fputs("usage: linkhaven-cli browser-command COMMAND ADDRESS\n", err);
        return 2;
    }
    const std::string& address = arguments[1];
    switch (launchDecision(address)) {
    case LaunchDecision::Refuse:
        std::fprintf(err, "not opened: %s does not begin with a scheme such as http:\n",
                     encodeArgumentBreakers(address).c_str());
        return 1;
    case LaunchDecision::Ask:
        std::fputs("asks first: the scheme is not http, https, ftp or mailto\n", out);
        break;
    case LaunchDecision::Open:
        break;
    }
    const BrowserCommand split = splitBrowserCommand(arguments[0], address);
    if (split.program.empty())  // the launch hands the address to the shell
        std::fprintf(out, "shell: %s\n", encodeArgumentBreakers(address).c_str());
    else
        std::fprintf(out, "program: %s\narguments: %s\n", split.program.c_str(), split.arguments.c_str());
    return 0;
}
