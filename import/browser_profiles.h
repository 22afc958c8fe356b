#pragma once

// The bookmarks of the browsers installed for the user: the profiles of the
// Chromium family (Google Chrome, Microsoft Edge, Brave, Vivaldi under the
// local application data folder; Opera under the roaming one) that hold a
// "Bookmarks" file, and Firefox's profiles with the newest bookmark file
// exported or backed up as HTML, where there is one.

#include <string>
#include <vector>

struct BrowserProfile {
    std::string browser;  // "Google Chrome", "Microsoft Edge", "Brave", "Vivaldi", "Opera", "Mozilla Firefox"
    std::string profile;  // the name the browser shows, else the profile's folder name
    std::string path;     // the file to import; empty for a Firefox profile without an HTML file
    bool firefoxExport = false;
};

// Looks under `localAppData` and `appData` (%LOCALAPPDATA% and %APPDATA% on
// Windows; either may be empty). Sorted by browser, then profile.
std::vector<BrowserProfile> findBrowserProfiles(const std::string& localAppData, const std::string& appData);
