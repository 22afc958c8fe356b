#include "import/charset_converter.h"

#include <gtest/gtest.h>

#include "core/code_page.h"

namespace {
std::string converted(const std::string& charset, std::string text) {
    CharsetConverter converter;
    converter.setCharset(charset);
    converter.convert(text);
    return text;
}
}  // namespace

TEST(CharsetConverter, FindsWebCharsetNamesAsTheBrowserListHasThem) {
    CharsetConverter converter;
    const std::pair<const char*, unsigned> cases[] = {
        {"UTF-8", 65001}, {"utf-8", 65001}, {"utf8", 65001}, {"UTF8", 65001}, {"utf-7", 65000},
        {"windows-1251", 1251}, {"WINDOWS-1252", 1252}, {"iso-8859-1", 1252}, {"US-ASCII", 1252},
        {"ISO-8859-15", 28605}, {"koi8-r", 20866}, {"Shift_JIS", 932}, {"gb2312", 936}, {"GBK", 936},
        {"big5", 950}, {"ks_c_5601-1987", 949}, {"euc-kr", 0}, {"latin1", 0}, {"", 0}, {"utf", 0}, {" utf-8", 0},
    };
    for (const auto& [name, codePage] : cases) EXPECT_EQ(codePage, converter.codePageForCharset(name)) << name;
    // A later charset replaces the earlier one, and an unknown one restores the ANSI code page.
    converter.setCharset("windows-1251");
    converter.setCharset("UTF-8");
    EXPECT_EQ(65001u, converter.codePage());
    converter.setCharset("x-unknown");
    EXPECT_EQ(ansiCodePage(), converter.codePage());
}

TEST(CharsetConverter, ConvertsToUtf8) {
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"UTF-8", "Café 😀", "Café 😀"},
        {"UTF-8", "bad \xC3 byte \xFF", "bad \xEF\xBF\xBD byte \xEF\xBF\xBD"},
        {"koi8-r", "\xF0\xD2\xC9", "При"},
        // Read as browsers read them: windows-1252, 0x80 is the euro sign.
        {"iso-8859-1", "\xE9\x80", "é€"},
        {"us-ascii", "\x93q\x94", "“q”"},
        {"iso-8859-15", "\xA4", "€"},
        {"gb2312", "\xD6\xD0\xCE\xC4", "中文"},
        {"big5", "\xA4\xA4\xA4\xE5", "中文"},
        {"ks_c_5601-1987", "\xC7\xD1\xB1\xB9", "한국"},
        // Unknown, or not readable as the markup around it is: the ANSI code page.
        {"no-such-charset", "é", "Ã©"},
        {"ibm037", "é", "Ã©"},
    };
    for (const auto& [charset, text, expected] : cases)
        EXPECT_EQ(expected, converted(charset, text)) << charset << " " << text;
}
