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
    const struct {
        const char* name;
        bool plain;
    } cases[] = {
        {"linkhaven-de.html", true}, {"Hilfe.HTM", true},     {"a b.htm", true},
        {"", false},                 {"..\\x.exe", false},    {"..\\page.html", false},
        {"help/page.html", false},   {"C:page.html", false},  {"\\\\server\\share\\p.html", false},
        {"x.exe", false},            {"page.html.exe", false}, {".html", false},
        {"page.htm\t", false},       {"page.html::$DATA", false}, {"p*.html", false},
    };
    for (const auto& c : cases) EXPECT_EQ(c.plain, isPlainHelpPageName(c.name)) << c.name;
}
