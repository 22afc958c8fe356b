// The address of a shortcut file as the platform reads it: natively the
// built-in reader, on Windows the system's own. Both must agree.

#include "import/file_list.h"
#include "import/shortcut_address.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace {
std::string repeated(const std::string& text, int count) {
    std::string out;
    while (count-- > 0) out += text;
    return out;
}
}  // namespace

TEST(ShortcutUrl, ReadsTheAddressOfEveryLayoutTheSameWay) {
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
        {"\xEF\xBB\xBF[InternetShortcut]\nURL=http://caf\xC3\xA9/\n", "http://caf\xC3\xA9/"},
        {"\xFF\xFE" + utf16Bytes(u"[InternetShortcut]\r\nURL=http://\u00E9/\r\n"), "http://\xC3\xA9/"},
        {"[InternetShortcut]\nURL=http://caf\xE9/\n", "http://caf\xC3\xA9/"},
        {"[InternetShortcut]\nURL=http://long/" + std::string(300, 'x') + "\n",
         "http://long/" + std::string(255 - 12, 'x')},
        // What the ANSI code page cannot hold comes from the UTF-7 of the wide section.
        {"[InternetShortcut]\r\nURL=http://example.com/%E6%97%A5%E6%9C%AC\r\n[InternetShortcut.A]\r\n"
         "URL=http://example.com/??\r\n[InternetShortcut.W]\r\nURL=http://example.com/+ZeVnLA-\r\n",
         "http://example.com/\xE6\x97\xA5\xE6\x9C\xAC"},
        {"[InternetShortcut.W]\nURL=http://a/+-+AOk-\n", "http://a/+\xC3\xA9"},
        {"[InternetShortcut.W]\nURL=http://x/" + repeated("+AOkA6QDp-", 100) + "\n", "http://x/" + repeated("\xC3\xA9", 246)},
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
        {"Hi Mom -+Jjo--!", "Hi Mom -\xE2\x98\xBA-!"},
        {"A+ImIDkQ.", "A\xE2\x89\xA2\xCE\x91."},
        {"+2D3eAA-x", "\xF0\x9F\x98\x80x"},
        {"a+-b", "a+b"},
        {"+AOk", "\xC3\xA9"},
        {"+2D0-", "\xEF\xBF\xBD"},
        {"\xE9", "\xEF\xBF\xBD"},
    };
    for (const auto& [utf7, utf8] : cases) EXPECT_EQ(utf8, utf7ToUtf8(utf7)) << utf7;
}
