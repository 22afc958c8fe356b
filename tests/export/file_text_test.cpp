#include "export/safe_file_name.h"
#include "export/shortcut_text.h"

#include <gtest/gtest.h>

#include <string>

TEST(SafeFileName, GivesANameWindowsStoresAsAnOrdinaryFile) {
    struct Case {
        std::string title;
        std::string name;
    };
    const Case cases[] = {
        {"a.b:c", "a_b_c"},
        {"<>:/\\|.\"?*", "__________"},
        {"CON", "CON_"}, {"clock$", "clock$_"}, {"CONOUT$", "CONOUT$_"}, {"nul", "nul_"}, {"Lpt0", "Lpt0_"},
        {"con.txt", "con_txt"}, {"com10", "com10"}, {"COM\xB4", "COM\xB4"},
        // Windows drops trailing blanks, and takes a superscript digit for a port's number.
        {"nul ", "nul_"}, {"aux ", "aux_"}, {"COM1  ", "COM1_"}, {"   ", ""},
        {"COM\xB9", "COM\xB9_"}, {"lpt\xB2", "lpt\xB2_"}, {"COM\xC2\xB9", "COM\xC2\xB9_"},
        {"a\tb", "a_b"},
        {"\x01\x1F\x7F\x80\xE9\xFF", "__\x7F\x80\xE9\xFF"},
        {"", ""},
        {"My page.html", "My page_html"},
        {std::string(300, 'x'), std::string(251, 'x')},
        {std::string(251, '.'), std::string(251, '_')},
        {std::string("a\0b", 3), "a_b"},
    };
    for (const Case& c : cases) {
        std::string text = c.title;
        EXPECT_EQ(c.name, SafeFileName(text)) << c.title;
        EXPECT_EQ(c.name, text) << "changed in place: " << c.title;
    }
}

TEST(ShortcutText, IsTheShortcutFileByteForByte) {
    EXPECT_EQ("[InternetShortcut]\r\nURL=x\r\n", ShortcutText("x"));
    EXPECT_EQ(27u, ShortcutText("x").size());
    EXPECT_EQ("[InternetShortcut]\r\nURL=http://example.com/a?b=c&d=\xE9\r\n",
              ShortcutText("http://example.com/a?b=c&d=\xE9"));
    // An address cannot add lines of its own, nor cut the file short.
    EXPECT_EQ("[InternetShortcut]\r\nURL=http://a/IconFile=\\\\evil\\x.icoIconIndex=1\r\n",
              ShortcutText("http://a/\r\nIconFile=\\\\evil\\x.ico\nIconIndex=1\r"));
    EXPECT_EQ("[InternetShortcut]\r\nURL=ab\r\n", ShortcutText(std::string("a\0b", 3)));
}
