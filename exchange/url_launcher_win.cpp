#include "exchange/url_launcher_win.h"

#include <shellapi.h>

#include "core/settings.h"
#include "core/wide_text_win.h"
#include "exchange/launch_decision.h"
#include "exchange/url_launcher.h"

namespace {
constexpr DWORD kCommandCapacity = 256;  // characters, the terminating NUL included

// The registered browser command, or empty when there is none usable.
std::string registeredBrowserCommand() {
    wchar_t command[kCommandCapacity];
    DWORD size = sizeof command;
    // Only REG_SZ; a longer value answers ERROR_MORE_DATA.
    if (::RegGetValueW(HKEY_CLASSES_ROOT, L"http\\shell\\open\\command", nullptr, RRF_RT_REG_SZ | RRF_NOEXPAND,
                       nullptr, command, &size) != ERROR_SUCCESS)
        return {};
    return narrowText(command);
}

// Starts the browser program itself with the arguments.
bool startBrowser(const BrowserCommand& browser, int show) {
    std::wstring commandLine = L"\"" + wideText(browser.program) + L"\" " + wideText(browser.arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return false;
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}
}  // namespace

bool launchUrl(HWND owner, const std::string& address, bool useBrowserCommand, bool userAgreed) {
    const LaunchDecision decision = launchDecision(address);
    if (decision == LaunchDecision::Refuse || (decision == LaunchDecision::Ask && !userAgreed)) return false;
    const int show = settings.MaxURL != 0 ? SW_SHOWMAXIMIZED : SW_SHOW;

    if (useBrowserCommand) {
        const std::string command = registeredBrowserCommand();
        const BrowserCommand browser = command.empty() ? BrowserCommand{} : splitBrowserCommand(command, address);
        if (!browser.program.empty()) return startBrowser(browser, show);
    }
    // The shell, too, puts the address into a registered command line.
    const std::wstring shellAddress = wideText(encodeArgumentBreakers(address));
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    request.hwnd = owner;
    request.nShow = show;
    request.lpFile = shellAddress.c_str();
    return ::ShellExecuteExW(&request) != FALSE;
}
