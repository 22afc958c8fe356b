#include "ui/shell/help_pages.h"

#include <gtest/gtest.h>

TEST(HelpPages, ContentsLiesBesideTheProgram) {
    EXPECT_EQ("C:\\Apps\\Linkhaven\\linkhaven-en.html",
              helpContentsPath("C:\\Apps\\Linkhaven\\linkhaven.exe", "linkhaven-en.html"));
    EXPECT_EQ("linkhaven-en.html", helpContentsPath("linkhaven.exe", "linkhaven-en.html"));
    EXPECT_EQ("C:\\", helpContentsPath("C:\\linkhaven.exe", ""));
}

TEST(HelpPages, TopicPagesCarryTheirNumber) {
    EXPECT_EQ("C:\\A\\linkhaven-de-101.html", helpTopicPath("C:\\A\\linkhaven-de.html", 101));
    EXPECT_EQ("C:\\A.b\\help-100", helpTopicPath("C:\\A.b\\help", 100));  // a dot in the folder is no extension
    EXPECT_EQ("help-103", helpTopicPath("help", 103));
    EXPECT_EQ("x.y-102.htm", helpTopicPath("x.y.htm", 102));
}

TEST(HelpPages, OnlyPlainPageNamesAreOpened) {
    for (const char* plain : {"linkhaven-de.html", "Hilfe.HTM", "a b.htm"}) EXPECT_TRUE(isPlainHelpPageName(plain));
    for (const char* bad : {"", "..\\x.exe", "..\\p.html", "help/p.html", "C:p.html", "\\\\server\\p.html", "x.exe",
                            "p.html.exe", ".html", "p.htm\t", "p*.html"})
        EXPECT_FALSE(isPlainHelpPageName(bad)) << bad;
}
