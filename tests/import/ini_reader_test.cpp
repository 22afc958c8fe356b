#include "import/ini_reader.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace {
std::string url(std::string_view text) { return readIniValue(text, "InternetShortcut", "URL", 256); }
}  // namespace

// The layouts every shortcut has are in the shortcut table (shortcut_url_test),
// which natively runs through this reader; here what only this reader shows.
TEST(IniReader, ReadsTheShortcutAddressAsTheWindowsReaderDoes) {
    const std::pair<std::string, std::string> cases[] = {
        {"[InternetShortcut]\nURL=\"http://a/'\n", "\"http://a/'"},
        {"[DEFAULT]\nBASEURL=http://base/\n[InternetShortcut]\nURL=http://a/\n", "http://a/"},
        {"[InternetShortcut]\nIconIndex=0\n", ""},
        {"\xEF\xBB\xBF[InternetShortcut]\nURL=http://caf\xC3\xA9/\xFF\n", "http://caf\xC3\xA9/\xEF\xBF\xBD"},
        {"\xFF\xFE" + utf16Bytes(u"[InternetShortcut]\nURL=h\u00E9\U0001F600"), "h\xC3\xA9\xF0\x9F\x98\x80"},
        {"\xFE\xFF" + utf16Bytes(u"[InternetShortcut]\nURL=h\u00E9\xD83D", true),
         "h\xC3\xA9\xEF\xBF\xBD"},
        // No byte-order mark: the ANSI code page.
        {"[InternetShortcut]\nURL=http://caf\xE9/\x80\n", "http://caf\xC3\xA9/\xE2\x82\xAC"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(expected, url(text)) << text;
}

TEST(IniReader, CutsLongValuesToTheBuffer) {
    const std::string address = "http://long/" + std::string(3000, 'x');
    EXPECT_EQ(address.substr(0, 255), url("[InternetShortcut]\nURL=" + address + "\n"));
    EXPECT_EQ("ab", readIniValue("[s]\nk=abcdef\n", "S", "K", 3));
    // Characters, never a part of one.
    EXPECT_EQ("\xC3\xA9\xF0\x9F\x98\x80", readIniValue("\xEF\xBB\xBF[s]\nk=\xC3\xA9\xF0\x9F\x98\x80x\n", "s", "k", 3));
}
