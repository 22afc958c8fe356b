// The address of a shortcut file as the platform reads it: natively the
// built-in reader, on Windows the system's own. Both must agree.

#include "import/file_list.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace {
std::string utf16le(std::string_view latin1) {
    std::string out;
    for (char c : latin1) out += {c, '\0'};
    return out;
}
}  // namespace

TEST(ShortcutUrl, ReadsTheAddressOfEveryLayoutTheSameWay) {
    struct Case {
        std::string text;
        std::string expected;
    } cases[] = {
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
        {"\xEF\xBB\xBF[InternetShortcut]\nURL=http://caf\xC3\xA9/\n", "http://caf\xE9/"},
        {"\xFF\xFE" + utf16le("[InternetShortcut]\r\nURL=http://\xE9/\r\n"), "http://\xE9/"},
        {"[InternetShortcut]\nURL=http://caf\xE9/\n", "http://caf\xE9/"},
        {"[InternetShortcut]\nURL=http://long/" + std::string(300, 'x') + "\n",
         "http://long/" + std::string(255 - 12, 'x')},
    };
    TemporaryFolder folder;
    int index = 0;
    std::string url;
    for (const Case& c : cases) {
        const std::string path = folder.file("shortcut" + std::to_string(index++) + ".url");
        writeFileBytes(path, c.text);
        const Result result = readShortcutUrl(path, url);
        EXPECT_EQ(c.expected, url) << c.text;
        EXPECT_EQ(url.empty() ? ResultStatus::NotRecognized : ResultStatus::Ok, result.status) << c.text;
    }
    EXPECT_EQ(ResultStatus::NotFound, readShortcutUrl(folder.file("missing.url"), url).status);
}
