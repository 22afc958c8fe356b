#include "browser_profiles.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <initializer_list>
#include <map>
#include <tuple>

#include "core/file_io.h"
#include "core/unicode_text.h"
#include "import/file_list.h"

namespace {
using Json = nlohmann::json;

// The most of a Local State file read: it is some hundred kilobytes.
constexpr std::size_t kLargestLocalState = 16 << 20;

struct ChromiumBrowser {
    const char* name;
    std::initializer_list<const char*> userData;  // below the local application data folder
};
const ChromiumBrowser kChromiumBrowsers[] = {
    {"Google Chrome", {"Google", "Chrome", "User Data"}},
    {"Microsoft Edge", {"Microsoft", "Edge", "User Data"}},
    {"Brave", {"BraveSoftware", "Brave-Browser", "User Data"}},
    {"Vivaldi", {"Vivaldi", "User Data"}},
};

std::string joined(std::string path, std::initializer_list<const char*> names) {
    for (const char* name : names) path = joinPath(path, name);
    return path;
}

bool isFile(const std::string& path) {
    const std::uint32_t attributes = fileAttributes(path);
    return attributes != FileAttribute::Invalid && !(attributes & FileAttribute::Directory);
}

// The folders, or the files, listed in `folder`: full paths.
std::vector<std::string> entries(const std::string& folder, bool folders) {
    std::vector<std::string> found;
    DirectoryList list(folder);
    std::string path;
    std::uint32_t attributes = 0;
    while (list.next(path, attributes))
        if (static_cast<bool>(attributes & FileAttribute::Directory) == folders) found.push_back(path);
    return found;
}

std::string readSmallFile(const std::string& path) {
    InputFile file;
    if (!file.open(path)) return {};
    return readUpTo(file, static_cast<std::size_t>(std::min<std::uint64_t>(file.size(), kLargestLocalState)));
}

// The names Chromium shows for the profiles, by folder name: in its Local
// State, profile.info_cache.<folder>.name. Empty when it cannot be read.
std::map<std::string, std::string> profileNames(const std::string& userData) {
    std::map<std::string, std::string> names;
    const Json state = Json::parse(repairedUtf8(readSmallFile(joinPath(userData, "Local State"))), nullptr, false);
    if (!state.is_object()) return names;
    const auto profile = state.find("profile");
    if (profile == state.end() || !profile->is_object()) return names;
    const auto cache = profile->find("info_cache");
    if (cache == profile->end() || !cache->is_object()) return names;
    for (const auto& [folder, info] : cache->items()) {
        if (!info.is_object()) continue;
        const auto name = info.find("name");
        if (name != info.end() && name->is_string() && !name->get_ref<const std::string&>().empty())
            names[folder] = name->get<std::string>();
    }
    return names;
}

void addChromiumProfiles(const ChromiumBrowser& browser, const std::string& localAppData,
                         std::vector<BrowserProfile>& profiles) {
    const std::string userData = joined(localAppData, browser.userData);
    std::map<std::string, std::string> names;
    bool namesRead = false;
    for (const std::string& folder : entries(userData, true)) {
        const std::string bookmarks = joinPath(folder, "Bookmarks");
        if (!isFile(bookmarks)) continue;
        if (!namesRead) {
            names = profileNames(userData);
            namesRead = true;
        }
        const std::string folderName = lastPathComponent(folder);
        const auto named = names.find(folderName);
        profiles.push_back({browser.name, named != names.end() ? named->second : fileNameAsTitle(folderName), bookmarks});
    }
}

bool hasHtmlExtension(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) return false;
    std::string extension = name.substr(dot + 1);
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return extension == "html" || extension == "htm";
}

// The HTML file in `folder` whose name sorts last: Firefox's backups carry
// their date in their names. Empty when there is none.
std::string newestHtmlFile(const std::string& folder) {
    std::string newest;
    for (const std::string& file : entries(folder, false))
        if (hasHtmlExtension(file) && (newest.empty() || lastPathComponent(file) > lastPathComponent(newest)))
            newest = file;
    return newest;
}

// Firefox names a profile's folder "<8 random characters>.<profile name>".
std::string firefoxProfileName(const std::string& folderName) {
    const std::size_t dot = folderName.find('.');
    return fileNameAsTitle(dot == std::string::npos || dot + 1 == folderName.size() ? folderName
                                                                                     : folderName.substr(dot + 1));
}

void addFirefoxProfiles(const std::string& appData, std::vector<BrowserProfile>& profiles) {
    for (const std::string& folder : entries(joined(appData, {"Mozilla", "Firefox", "Profiles"}), true)) {
        // An export the user keeps in the profile, else the newest backup.
        std::string html = newestHtmlFile(folder);
        if (html.empty()) html = newestHtmlFile(joinPath(folder, "bookmarkbackups"));
        profiles.push_back({"Mozilla Firefox", firefoxProfileName(lastPathComponent(folder)), html, !html.empty()});
    }
}
}  // namespace

std::vector<BrowserProfile> findBrowserProfiles(const std::string& localAppData, const std::string& appData) {
    std::vector<BrowserProfile> profiles;
    if (!localAppData.empty())
        for (const ChromiumBrowser& browser : kChromiumBrowsers) addChromiumProfiles(browser, localAppData, profiles);
    if (!appData.empty()) {
        const std::string opera = joined(appData, {"Opera Software", "Opera Stable"});
        if (isFile(joinPath(opera, "Bookmarks"))) profiles.push_back({"Opera", "Opera Stable", joinPath(opera, "Bookmarks")});
        addFirefoxProfiles(appData, profiles);
    }
    std::sort(profiles.begin(), profiles.end(), [](const BrowserProfile& a, const BrowserProfile& b) {
        return std::tie(a.browser, a.profile, a.path) < std::tie(b.browser, b.profile, b.path);
    });
    return profiles;
}
