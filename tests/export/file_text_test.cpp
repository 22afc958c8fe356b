#include "export/safe_file_name.h"
#include "export/shortcut_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string repeated(std::string_view text, int times) {
    std::string out;
    while (times-- > 0) out += text;
    return out;
}
}  // namespace

TEST(SafeFileName, GivesANameWindowsStoresAsAnOrdinaryFile) {
    const std::pair<std::string, std::string> cases[] = {
        {"a.b:c", "a_b_c"},
        {"<>:/\\|.\"?*", "__________"},
        {"CON", "CON_"}, {"clock$", "clock$_"}, {"CONOUT$", "CONOUT$_"}, {"nul", "nul_"}, {"Lpt0", "Lpt0_"},
        {"con.txt", "con_txt"}, {"com10", "com10"}, {"COM´", "COM´"},
        // Windows drops trailing blanks, and takes a superscript digit for a port's number.
        {"nul ", "nul_"}, {"aux ", "aux_"}, {"COM1  ", "COM1_"}, {"   ", ""},
        {"lpt²", "lpt²_"}, {"COM¹", "COM¹_"},
        {"a\tb", "a_b"},
        {"\x01\x1F\x7F\xC2\x80\xC3\xA9", "__\x7F\xC2\x80\xC3\xA9"},
        {"", ""},
        {std::string(300, 'x'), std::string(251, 'x')},
        // The length counts characters and never ends inside one.
        {repeated("é", 300), repeated("é", 251)},
        {std::string(250, 'x') + repeated("🔥", 2), std::string(250, 'x') + "🔥"},
        {std::string(251, '.'), std::string(251, '_')},
        {std::string("a\0b", 3), "a_b"},
    };
    for (const auto& [title, name] : cases) {
        std::string text = title;
        EXPECT_EQ(name, SafeFileName(text)) << title;
        EXPECT_EQ(name, text) << "changed in place: " << title;
    }
}

TEST(ShortcutText, IsTheShortcutFileByteForByte) {
    EXPECT_EQ("[InternetShortcut]\r\nURL=x\r\n", ShortcutText("x"));
    // A shortcut file is ANSI: non-ASCII characters as the %XX of their UTF-8 bytes; a "%" stays.
    EXPECT_EQ("[InternetShortcut]\r\nURL=http://example.com/a?b=c&d=%C3%A9%20%41\r\n",
              ShortcutText("http://example.com/a?b=c&d=é%20%41"));
    EXPECT_EQ("[InternetShortcut]\r\nURL=https://%E4%BE%8B%E3%81%88.jp/%F0%9F%94%A5\r\n",
              ShortcutText("https://例え.jp/🔥"));
    // An address cannot add lines of its own, nor cut the file short.
    EXPECT_EQ("[InternetShortcut]\r\nURL=http://a/IconFile=\\\\evil\\x.icoIconIndex=1\r\n",
              ShortcutText("http://a/\r\nIconFile=\\\\evil\\x.ico\nIconIndex=1\r"));
    EXPECT_EQ("[InternetShortcut]\r\nURL=ab\r\n", ShortcutText(std::string("a\0b", 3)));
}
