#pragma once

// Opening links in the web browser.

#include <windows.h>

#include <string>

// Hands the address to the shell, or with `useBrowserCommand` starts the
// browser registered for http with the address as its argument (falling back
// to the shell when none is registered). Both get it in UTF-16, with
// encodeArgumentBreakers applied. Maximised when MaxURL is set. True when
// the shell or the browser started. Nothing starts for an address that
// launchDecision refuses, nor for one it would ask about unless `userAgreed`.
bool launchUrl(HWND owner, const std::string& address, bool useBrowserCommand, bool userAgreed = false);
