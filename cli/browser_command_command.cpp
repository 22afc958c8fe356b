#include "cli/browser_command_command.h"

#include <string>

#include "cli/console_output.h"
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
        writeText(err, "not opened: " + encodeArgumentBreakers(address) + " does not begin with a scheme such as http:\n");
        return 1;
    case LaunchDecision::Ask:
        std::fputs("asks first: the scheme is not http, https, ftp or mailto\n", out);
        break;
    case LaunchDecision::Open:
        break;
    }
    const BrowserCommand split = splitBrowserCommand(arguments[0], address);
    if (split.program.empty())  // the launch hands the address to the shell
        writeText(out, "shell: " + encodeArgumentBreakers(address) + "\n");
    else
        writeText(out, "program: " + split.program + "\narguments: " + split.arguments + "\n");
    return 0;
}
