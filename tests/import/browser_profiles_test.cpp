#include "import/browser_profiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "test_files.h"

TEST(BrowserProfiles, FindsEachProfileWithBookmarksAndFirefoxExports) {
    TemporaryFolder folder;
    const std::string base = folder.path();
    const auto make = [&base](const std::string& relative, const std::string& bytes = "{}") {
        std::filesystem::create_directories((std::filesystem::path(base) / relative).parent_path());
        writeFileBytes(base + "/" + relative, bytes);
    };
    const std::string chrome = "local/Google/Chrome/User Data/";
    make(chrome + "Default/Bookmarks");
    make(chrome + "Profile 1/Bookmarks");
    make(chrome + "Profile 2/Preferences");  // no bookmarks: not offered
    make(chrome + "Local State",
         R"({"profile": {"info_cache": {"Default": {"name": "\u0410\u043d\u044f"}, "Profile 1": {"name": "Work"},)"
         R"( "Profile 2": {"name": "Empty"}}}})");
    make("local/Microsoft/Edge/User Data/Default/Bookmarks");
    make("local/Microsoft/Edge/User Data/Local State", "{\"profile\": {\"info_cache\": ");  // damaged
    make("local/Vivaldi/User Data/Default/Bookmarks");
    make("local/BraveSoftware/Brave-Browser/User Data/Default");  // a file, not a profile folder
    make("roaming/Opera Software/Opera Stable/Bookmarks");
    const std::string firefox = "roaming/Mozilla/Firefox/Profiles/";
    make(firefox + "a1b2c3d4.default-release/bookmarks.html");
    make(firefox + "a1b2c3d4.default-release/bookmarkbackups/bookmarks-2025-01-01.html");
    make(firefox + "e5f6g7h8.dev/bookmarkbackups/bookmarks-2024-12-31.html");
    make(firefox + "e5f6g7h8.dev/bookmarkbackups/bookmarks-2025-02-03.HTML");
    make(firefox + "e5f6g7h8.dev/bookmarkbackups/bookmarks-2025-03-04.jsonlz4");
    make(firefox + "i9j0k1l2.no-export/places.sqlite");

    std::string found;
    for (const BrowserProfile& profile : findBrowserProfiles(folder.file("local"), folder.file("roaming"))) {
        std::string path = profile.path.empty() ? "-" : profile.path.substr(base.size() + 1);
        std::replace(path.begin(), path.end(), '\\', '/');
        found += profile.browser + " | " + profile.profile + " | " + path + (profile.firefoxExport ? " | export" : "") + "\n";
    }
    EXPECT_EQ("Google Chrome | Work | " + chrome + "Profile 1/Bookmarks\n"
              "Google Chrome | Аня | " + chrome + "Default/Bookmarks\n"
              "Microsoft Edge | Default | local/Microsoft/Edge/User Data/Default/Bookmarks\n"
              "Mozilla Firefox | default-release | " + firefox + "a1b2c3d4.default-release/bookmarks.html | export\n"
              "Mozilla Firefox | dev | " + firefox + "e5f6g7h8.dev/bookmarkbackups/bookmarks-2025-02-03.HTML | export\n"
              "Mozilla Firefox | no-export | -\n"
              "Opera | Opera Stable | roaming/Opera Software/Opera Stable/Bookmarks\n"
              "Vivaldi | Default | local/Vivaldi/User Data/Default/Bookmarks\n",
              found);
    EXPECT_TRUE(findBrowserProfiles("", "").empty());
}
