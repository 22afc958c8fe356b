// Text: UTF-8, UTF-16 and code pages (the one place where text changes encoding), and case folding.

#include <gtest/gtest.h>

#include "core/case_fold.h"
#include "core/code_page.h"
#include "core/unicode_text.h"

namespace {
const std::string kEveryClass = "A\xC3\xA9\xE4\xB9\xA6\xF0\x9F\x94\xA5" "e\xCC\x81";  // A é 书 🔥 e+combining
const std::string kFffd = "\xEF\xBF\xBD";
}  // namespace

TEST(TextEncodingTest, InvalidUtf8BecomesOneReplacementPerMaximalInvalidSequence) {
    const struct {
        std::string in, repaired;
    } cases[] = {
        {kEveryClass, kEveryClass},
        {"a\x80" "b", "a" + kFffd + "b"},
        {"\xE4\xB9", kFffd},                          // cut short: one
        {"\xC0\xAF", kFffd + kFffd},                  // overlong
        {"\xED\xA0\x80", kFffd + kFffd + kFffd},      // a surrogate
        {"\xF4\x90\x80\x80", kFffd + kFffd + kFffd + kFffd},  // above U+10FFFF
        {"\xF0\x9F\x94" "x", kFffd + "x"},
        {kFffd, kFffd},
        {"\xF4\x8F\xBF\xBF\xED\x9F\xBF", "\xF4\x8F\xBF\xBF\xED\x9F\xBF"},  // U+10FFFF, U+D7FF
        {std::string(17, 'a') + "\xE0\x9F\xBF" + std::string(14, 'b'),  // overlong, inside a block
         std::string(17, 'a') + kFffd + kFffd + kFffd + std::string(14, 'b')},
        {"\xF0\x8F\xBF\xBF", kFffd + kFffd + kFffd + kFffd},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.repaired, repairedUtf8(c.in)) << c.in;
        EXPECT_EQ(c.in == c.repaired, isValidUtf8(c.in)) << c.in;
    }
}

// UTF-16 round trips, lone surrogates become replacements, and character
// limits never split a character.
TEST(TextEncodingTest, Utf16AndCharacterLimits) {
    const std::u16string wide = utf8ToUtf16(kEveryClass);
    EXPECT_EQ((std::u16string{u'A', 0xE9, 0x4E66, 0xD83D, 0xDD25, u'e', 0x301}), wide);
    EXPECT_EQ(kEveryClass, utf16ToUtf8(wide));
    EXPECT_EQ("a" + kFffd + "b" + kFffd, utf16ToUtf8(std::u16string{u'a', 0xDC00, u'b', 0xD800}));
    EXPECT_EQ(6u, characterCount(kEveryClass));
    EXPECT_EQ("A\xC3\xA9\xE4\xB9\xA6", firstCharacters(kEveryClass, 3));
    EXPECT_EQ(kEveryClass, firstCharacters(kEveryClass, 6));
}

TEST(TextEncodingTest, CodePagesBothWays) {
    const struct {
        unsigned codePage;
        std::string bytes, utf8;
    } cases[] = {
        {1252, "Caf\xE9 \x80 \x81", "Caf\xC3\xA9 \xE2\x82\xAC \xC2\x81"},  // € and an undefined byte kept
        {1251, "\xCF\xF0\xE8\xE2\xE5\xF2", "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"},  // Привет
        {932, "\x83\x70\x83\x58", "\xE3\x83\x91\xE3\x82\xB9"},  // パス
        {437, "\x82", "\xC3\xA9"},
    };
    for (const auto& c : cases) {
        std::string utf8, bytes;
        bool lossless = false;
        ASSERT_TRUE(codePageToUtf8(c.codePage, c.bytes, utf8)) << c.codePage;
        EXPECT_EQ(c.utf8, utf8) << c.codePage;
        ASSERT_TRUE(utf8ToCodePage(c.codePage, c.utf8, bytes, &lossless)) << c.codePage;
        EXPECT_EQ(c.bytes, bytes) << c.codePage;
        EXPECT_TRUE(lossless) << c.codePage;
    }
}

TEST(TextEncodingTest, CodePageCharactersAtEveryPlaceInABlock) {
    // Text converts sixteen bytes at a time: each character below goes on
    // either side of a block's edge and among the last bytes of a string.
    const struct {
        std::string utf8, bytes;
        bool held;
    } characters[] = {
        {"\xC3\xA9", "\xE9", true},                                  // é
        {"\xE2\x82\xAC", "\x80", true},                              // €
        {"\xC3\xA9\xE2\x82\xAC\xC3\xBF", "\xE9\x80\xFF", true},  // é€ÿ
        {"\xD0\x94", "?", false},                                     // Д
    };
    for (const auto& character : characters)
        for (std::size_t size = 0; size < 40; ++size)
            for (std::size_t at = 0; at <= size; ++at) {
                const std::string before(at, 'a'), after(size - at, 'b');
                std::string bytes, utf8;
                bool lossless = !character.held;
                ASSERT_TRUE(utf8ToCodePage(1252, before + character.utf8 + after, bytes, &lossless));
                EXPECT_EQ(before + character.bytes + after, bytes) << at << '/' << size;
                EXPECT_EQ(character.held, lossless) << at << '/' << size;
                if (!character.held) continue;
                ASSERT_TRUE(codePageToUtf8(1252, bytes, utf8));
                EXPECT_EQ(before + character.utf8 + after, utf8) << at << '/' << size;
            }
}

TEST(TextEncodingTest, MissingCharactersAreNeverLookAlikes) {
    std::string bytes;
    bool lossless = true;
    // Д is not in 1252, and ā must not become a plain a; 🔥 is one character.
    ASSERT_TRUE(utf8ToCodePage(1252, "\xD0\x94\xC4\x81\xF0\x9F\x94\xA5?", bytes, &lossless));
    EXPECT_EQ("????", bytes);
    EXPECT_FALSE(lossless);
    std::string unchanged = "kept";
    EXPECT_FALSE(utf8ToCodePage(4242, "\xC3\xA9", unchanged));
    EXPECT_EQ("kept", unchanged);
}

// The same letters fold the same way natively and under Windows.
TEST(CaseFold, LowersEveryScriptSearchedForTheSameWayEverywhere) {
    const struct {
        char32_t from, to;
    } cases[] = {
        {'A', 'a'},       {'Z', 'z'},       {'a', 'a'},       {'@', '@'},       {'[', '['},       {0, 0},
        {0xC0, 0xE0},     {0xDE, 0xFE},     {0xD7, 0xD7},     {0xDF, 0xDF},     {0xFF, 0xFF},     {0x100, 0x101},
        {0x101, 0x101},   {0x139, 0x13A},   {0x14A, 0x14B},   {0x178, 0xFF},    {0x17D, 0x17E},   {0x131, 0x131},
        {0x386, 0x3AC},   {0x38F, 0x3CE},   {0x391, 0x3B1},   {0x3A3, 0x3C3},   {0x3A9, 0x3C9},   {0x3C2, 0x3C3},
        {0x3C3, 0x3C3},   {0x400, 0x450},   {0x40F, 0x45F},   {0x410, 0x430},   {0x42F, 0x44F},   {0x44F, 0x44F},
        {0x460, 0x461},   {0x490, 0x491},   {0x4C0, 0x4CF},   {0x4C1, 0x4C2},   {0x4D0, 0x4D1},   {0x4E66, 0x4E66},
        {0xD800, 0xD800}, {0xFFFD, 0xFFFD}, {0x1F600, 0x1F600},
    };
    for (const auto& test : cases)
        EXPECT_EQ(static_cast<unsigned>(test.to), static_cast<unsigned>(foldedCase(test.from)))
            << std::hex << static_cast<unsigned>(test.from);
}
