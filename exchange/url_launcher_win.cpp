#include "exchange/url_launcher_win.h"

#include <shellapi.h>

#include "core/registry_key_win.h"
#include "core/settings.h"
#include "exchange/launch_decision.h"
#include "exchange/url_launcher.h"

namespace {
constexpr DWORD kCommandCapacity = 256;

// The registered browser command, or empty when there is none usable.
std::string registeredBrowserCommand() {
    RegistryKey key;
    if (key.open(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", KEY_READ) != ERROR_SUCCESS) return {};
    const auto value = key.value("", kCommandCapacity);
    if (!value || value->type != REG_SZ) return {};
    return std::string(value->data.c_str());  // up to the terminating NUL
}
}  // namespace

bool launchUrl(HWND owner, const std::string& address, bool useBrowserCommand, bool userAgreed) {
    const LaunchDecision decision = launchDecision(address);
    if (decision == LaunchDecision::Refuse || (decision == LaunchDecision::Ask && !userAgreed)) return false;

    SHELLEXECUTEINFOA request{};
    request.cbSize = sizeof request;
    request.hwnd = owner;
    request.nShow = settings.MaxURL != 0 ? SW_SHOWMAXIMIZED : SW_SHOW;

    BrowserCommand browser;
    if (useBrowserCommand) {
        const std::string command = registeredBrowserCommand();
        if (!command.empty()) browser = splitBrowserCommand(command, address);
    }
    // The shell, too, puts the address into a registered command line.
    const std::string shellAddress = encodeArgumentBreakers(address);
    if (!browser.program.empty()) {
        request.lpFile = browser.program.c_str();
        request.lpParameters = browser.arguments.c_str();
    } else {
        request.lpFile = shellAddress.c_str();
    }
    return ::ShellExecuteExA(&request) != FALSE;
}
