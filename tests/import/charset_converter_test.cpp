#include "import/charset_converter.h"

#include <gtest/gtest.h>

#include "import/windows_1252.h"

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
    struct Case {
        const char* name;
        unsigned codePage;
    } cases[] = {
        {"UTF-8", 65001}, {"utf-8", 65001}, {"utf8", 65001}, {"UTF8", 0}, {"utf-7", 65000},
        {"windows-1251", 1251}, {"WINDOWS-1252", 1252}, {"iso-8859-1", 28591}, {"ISO-8859-15", 28605},
        {"koi8-r", 20866}, {"Shift_JIS", 932}, {"gb2312", 936}, {"GBK", 936}, {"big5", 950},
        {"ks_c_5601-1987", 949}, {"euc-kr", 0}, {"latin1", 0}, {"", 0}, {"utf", 0}, {" utf-8", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(c.codePage, converter.codePageForCharset(c.name)) << c.name;
}

TEST(CharsetConverter, ConvertsToTheAnsiCodePageWithOneQuestionMarkPerLostCharacter) {
    struct Case {
        const char* charset;
        std::string text;
        std::string expected;
    } cases[] = {
        {"UTF-8", "Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D", "Caf\xE9 \x80 \x93q\x94"},
        {"utf8", "na\xC3\xAFve", "na\xEFve"},
        {"UTF-8", "\xD0\x9F\xD1\x80\xD0\xB8 \xF0\x9F\x98\x80 \xC4\x80", "??? ? ?"},
        {"UTF-8", "bad \xC3 byte \xFF", "bad ? byte ?"},
        {"windows-1251", "\xCF\xF0\xE8\xE2\xE5\xF2 ok", "?????? ok"},
        {"koi8-r", "\xF0\xD2\xC9 ok", "??? ok"},
        {"iso-8859-1", "\xE9\x80", "\xE9?"},
        {"iso-8859-15", "\xA4\xE9", "\x80\xE9"},
        {"iso-8859-2", "\xE9\xB1", "\xE9?"},
        {"Shift_JIS", "\x93\xFA\x96\x7B abc", "?? abc"},
        {"gb2312", "\xD6\xD0\xCE\xC4 x", "?? x"},
        {"big5", "\xA4\xA4\xA4\xE5 x", "?? x"},
        {"ks_c_5601-1987", "\xC7\xD1\xB1\xB9 x", "?? x"},
        {"windows-1252", "\x80\xE9", "\x80\xE9"},
        {"no-such-charset", "\xC3\xA9", "\xC3\xA9"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, converted(c.charset, c.text)) << c.charset << " " << c.text;
}

TEST(CharsetConverter, ALaterCharsetReplacesTheEarlierOneAndAnUnknownOneRemovesIt) {
    CharsetConverter converter;
    converter.setCharset("windows-1251");
    converter.setCharset("UTF-8");
    std::string text = "\xC3\xA9";
    converter.convert(text);
    EXPECT_EQ("\xE9", text);

    converter.setCharset("x-unknown");
    EXPECT_FALSE(converter.converting());
    text = "\xC3\xA9";
    converter.convert(text);
    EXPECT_EQ("\xC3\xA9", text);

    converter.setCharset("UTF-8");
    converter.setCharset("windows-1252");  // the ANSI code page: nothing to do
    EXPECT_FALSE(converter.converting());
}

TEST(Windows1252, MapsEveryByteBothWays) {
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(static_cast<char>(byte), unicodeToWindows1252(windows1252ToUnicode(static_cast<unsigned char>(byte))));
    EXPECT_EQ('?', unicodeToWindows1252(0x0100));
    bool lossless = true;
    EXPECT_EQ("a?b", utf8ToWindows1252("a\xE2\x98\xBA" "b", &lossless));
    EXPECT_FALSE(lossless);
}
