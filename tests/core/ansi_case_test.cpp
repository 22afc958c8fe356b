#include "core/ansi_case.h"

#include <gtest/gtest.h>

// The same bytes lower the same way natively and under Windows (code page 1252).
TEST(AnsiCase, LowersCodePage1252LikeWindows) {
    std::string changed;
    for (int c = 1; c < 256; ++c) {
        const char byte = static_cast<char>(c);
        if (lowerAnsi(byte) != byte) {
            changed += byte;
            changed += lowerAnsi(byte);
        }
    }
    std::string expected;
    for (char c = 'A'; c <= 'Z'; ++c) expected += {c, static_cast<char>(c + 32)};
    expected += "\x8A\x9A\x8C\x9C\x8E\x9E\x9F\xFF";
    for (int c = 0xC0; c <= 0xDE; ++c)
        if (c != 0xD7) expected += {static_cast<char>(c), static_cast<char>(c + 32)};
    EXPECT_EQ(expected, changed);
    EXPECT_EQ('\0', lowerAnsi('\0'));
}
