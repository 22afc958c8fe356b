// The address of a shortcut file as the platform reads it: natively the
// built-in reader, on Windows the system's own. Both must agree.

#include "import/file_list.h"
#include "import/ini_reader.h"
#include "import/shortcut_address.h"

#include <gtest/gtest.h>

#include "test_files.h"

TEST(ShortcutUrl, ReadsTheAddressOfEveryLayoutTheSameWay) {
    std::string utf7 = "http://x/", utf8 = "http://x/";  // 300 characters é, of which 246 fit
    for (int i = 0; i < 100; ++i) utf7 += "+AOkA6QDp-";
    for (int i = 0; i < 246; ++i) utf8 += "é";
    const std::pair<std::string, std::string> cases[] = {
        {"[InternetShortcut]\r\nURL=http://a/\r\n", "http://a/"},
        {"[InternetShortcut]\nURL=http://a/", "http://a/"},
        {"[internetshortcut]\nurl=http://a/\n", "http://a/"},
        {"[InternetShortcut]\n  URL  =  http://a/  \n", "http://a/"},
        {"[InternetShortcut]\nURL=\"http://a/\"\n", "http://a/"},
        {"[InternetShortcut]\nURL='http://a/'\n", "http://a/"},
        {"[InternetShortcut]\nURL=http://first/\nURL=http://second/\n", "http://first/"},
        {"[{000214A0-0000-0000-C000-000000000046}]\nProp3=19,2\n[InternetShortcut]\nIDList=\nURL=http://a/\n",
         "http://a/"},
        {"[DEFAULT]\nURL=http://a/\n", ""},
        {"URL=http://a/\n", ""},
        {"[InternetShortcut]\nURL=\n", ""},
        {"[InternetShortcut.A]\nURL=http://a/\n", ""},
        {"\xEF\xBB\xBF[InternetShortcut]\nURL=http://café/\n", "http://café/"},
        {"\xFF\xFE" + utf16Bytes(u"[InternetShortcut]\r\nURL=http://\u00E9/\r\n"), "http://é/"},
        {"[InternetShortcut]\nURL=http://caf\xE9/\n", "http://café/"},
        {"[InternetShortcut]\nURL=http://long/" + std::string(300, 'x') + "\n",
         "http://long/" + std::string(255 - 12, 'x')},
        // What the ANSI code page cannot hold comes from the UTF-7 of the wide section.
        {"[InternetShortcut]\r\nURL=http://example.com/%E6%97%A5%E6%9C%AC\r\n[InternetShortcut.A]\r\n"
         "URL=http://example.com/??\r\n[InternetShortcut.W]\r\nURL=http://example.com/+ZeVnLA-\r\n",
         "http://example.com/日本"},
        {"[InternetShortcut.W]\nURL=http://a/+-+AOk-\n", "http://a/+é"},
        {"[InternetShortcut.W]\nURL=" + utf7 + "\n", utf8},
    };
    TemporaryFolder folder;
    int index = 0;
    std::string url;
    for (const auto& [text, expected] : cases) {
        const std::string path = folder.file("shortcut" + std::to_string(index++) + ".url");
        writeFileBytes(path, text);
        const Result result = readShortcutUrl(path, url);
        EXPECT_EQ(expected, url) << text;
        EXPECT_EQ(url.empty() ? ResultStatus::NotRecognized : ResultStatus::Ok, result.status) << text;
    }
    EXPECT_EQ(ResultStatus::NotFound, readShortcutUrl(folder.file("missing.url"), url).status);
}

TEST(ShortcutUrl, DecodesUtf7) {
    const std::pair<const char*, const char*> cases[] = {
        {"Hi Mom -+Jjo--!", "Hi Mom -☺-!"},
        {"A+ImIDkQ.", "A≢Α."},
        {"+2D3eAA-x", "😀x"},
        {"a+-b", "a+b"},
        {"+AOk", "é"},
        {"+2D0-", "\xEF\xBF\xBD"},
        {"\xE9", "\xEF\xBF\xBD"},
    };
    for (const auto& [utf7, utf8] : cases) EXPECT_EQ(utf8, utf7ToUtf8(utf7)) << utf7;
}

// The built-in reader: the layouts every shortcut has are in the table above,
// which natively runs through it; here what only this reader shows.
TEST(IniReader, ReadsTheShortcutAddressAsTheWindowsReaderDoes) {
    // Each file, the size of the buffer for the value, and the value read.
    const std::tuple<std::string, std::size_t, std::string> cases[] = {
        {"[InternetShortcut]\nURL=\"http://a/'\n", 256, "\"http://a/'"},
        {"[DEFAULT]\nBASEURL=http://base/\n[InternetShortcut]\nURL=http://a/\n", 256, "http://a/"},
        {"[InternetShortcut]\nIconIndex=0\n", 256, ""},
        {"\xEF\xBB\xBF[InternetShortcut]\nURL=http://café/\xFF\n", 256, "http://café/\xEF\xBF\xBD"},
        {"\xFF\xFE" + utf16Bytes(u"[InternetShortcut]\nURL=h\u00E9\U0001F600"), 256, "hé😀"},
        {"\xFE\xFF" + utf16Bytes(u"[InternetShortcut]\nURL=h\u00E9\xD83D", true), 256, "h\xC3\xA9\xEF\xBF\xBD"},
        // No byte-order mark: the ANSI code page.
        {"[InternetShortcut]\nURL=http://caf\xE9/\x80\n", 256, "http://café/€"},
        // Values are cut to the buffer by characters, never inside one.
        {"[internetshortcut]\nurl=abcdef\n", 3, "ab"},
        {"\xEF\xBB\xBF[InternetShortcut]\nURL=é😀x\n", 3, "é😀"},
    };
    for (const auto& [text, size, value] : cases)
        EXPECT_EQ(value, readIniValue(text, "InternetShortcut", "URL", size)) << text;
}
