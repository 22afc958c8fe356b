#include "ui/dialogs/version_text.h"

#include <gtest/gtest.h>

TEST(ProductVersionText, DropsATrailingZeroAndAddsTheBuild) {
    struct Case {
        unsigned major, minor, build;
        const char* expected;
    };
    const Case cases[] = {
        {1, 30, 0, "1.3"},  {1, 5, 0, "1.05"},  {2, 10, 7, "2.1-07"}, {1, 0, 0, "1.0"},
        {3, 45, 123, "3.45-123"}, {1, 100, 0, "1.10"}, {65535, 123, 1, "65535.123-01"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, productVersionText(c.major << 16 | c.minor, c.build << 16 | 99))
            << c.major << "." << c.minor << " build " << c.build;
}

TEST(ChooseTranslation, PrefersTheLastMatchAfterTheFirst) {
    const std::vector<VersionTranslation> list = {{0x409, 1252}, {0x407, 1252}, {0x807, 1252}, {0x40C, 1252}};
    EXPECT_EQ(2, chooseTranslation(list, 0x407));   // 0x807 is German too, and later
    EXPECT_EQ(3, chooseTranslation(list, 0x40C));
    EXPECT_EQ(0, chooseTranslation(list, 0x809));   // English: only the first pair matches, taken by default
    EXPECT_EQ(0, chooseTranslation(list, 0x410));   // no match
    EXPECT_EQ(0, chooseTranslation({{0x407, 1252}}, 0x407));
    EXPECT_EQ(-1, chooseTranslation({}, 0x409));
}
