#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "ui/dialogs/version_text.h"
#include "ui/shell/browser_menu_label.h"
#include "ui/shell/help_pages.h"
#include "ui/window/command_line.h"
#include "ui/window/export_name.h"
#include "ui/window/pane_layout.h"
#include "ui/window/window_placement.h"
#include "core/settings.h"
#include "ui/search_match.h"
#include "ui/tree/title_order.h"

TEST(FirstArgument, QuotesBlanksAndTheRest) {
    const struct {
        const char* line;
        const char* argument;
    } cases[] = {
        {"", nullptr},
        {"   \t ", nullptr},
        {"\"\" rest", nullptr},
        {"file.lhv", "file.lhv"},
        {"\"C:\\no closing quote.lhv", "C:\\no closing quote.lhv"},
        {"first\tsecond", "first"},
        {"a\"b c", "a\"b"},
    };
    for (const auto& test : cases)
        EXPECT_EQ(test.argument ? test.argument : "(none)", firstArgument(test.line).value_or("(none)")) << test.line;
}

TEST(CompareTitles, CaseAndOrderInEveryScript) {
    const struct {
        const char* a;
        const char* b;
        int order;
    } cases[] = {
        {"News", "nEWS", 0},
        {"News", "Newspaper", -1},  // the shorter first
        {"", "anything", -1},
        {"\xC3\x89T\xC3\x89", "\xC3\xA9t\xC3\xA9", 0},  // ÉTÉ, été
        {"\xD0\x9F\xD0\xA0\xD0\x98\xD0\x92\xD0\x95\xD0\xA2", "\xD0\xBF\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82", 0},  // ПРИВЕТ, привет
        {"\xD0\x91\xD0\xB0\xD0\xBD\xD0\xB0\xD0\xBD", "\xD1\x8F\xD0\xB1\xD0\xBB\xD0\xBE\xD0\xBA\xD0\xBE", -1},  // Банан, яблоко
        {"zebra", "\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1", -1},  // Latin before Greek (Αθήνα)
#ifdef _WIN32
        {"Part 9", "part 10", -1},  // numbers by their value, as Explorer orders
#endif
    };
    for (const auto& test : cases) {
        const int forward = compareTitles(test.a, test.b), backward = compareTitles(test.b, test.a);
        EXPECT_EQ(test.order, (forward > 0) - (forward < 0)) << test.a << " / " << test.b;
        EXPECT_EQ(-test.order, (backward > 0) - (backward < 0)) << test.b << " / " << test.a;
    }
}

TEST(PaneLayout, QuarterRuleAndStoredHeight) {
    // Tree top and height, pane top, height and width, and the height stored back.
    const auto layout = [](int clientHeight, int stored) {
        const PaneLayout l = computePaneLayout(800, clientHeight, stored, 4);
        return std::array{l.tree.y, l.tree.height, l.description.y, l.description.height, l.description.width,
                          l.descriptionHeight};
    };
    EXPECT_EQ((std::array{0, 446, 450, 150, 800, 150}), layout(600, 150));
    for (int descr : {0, 601, 602, -20})  // none, all or more than all of the height
        EXPECT_EQ((std::array{0, 447, 451, 150, 800, 150}), layout(601, descr)) << descr;
}

TEST(FieldMatches, CaseAndMasks) {
    SearchState state{SearchFlag::Titles, "News"};
    EXPECT_FALSE(fieldMatches("Daily News", state, SearchFlag::Urls));  // not searched
    state.flags |= SearchFlag::IgnoreCase;
    EXPECT_TRUE(fieldMatches("daily nEWS", state, SearchFlag::Titles));
    EXPECT_FALSE(fieldMatches("New", state, SearchFlag::Titles));
    const struct {
        const char* text;
        const char* field;
        bool found;
    } cases[] = {
        {"\xC3\x89T\xC3\x89", "l'\xC3\xA9t\xC3\xA9", true},                     // ÉTÉ in l'été
        {"\xD0\x9F\xD0\xA0\xD0\x98\xD0\x92\xD0\x95\xD0\xA2", "\xD0\xBF\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xD0\xBC\xD0\xB8\xD1\x80", true},  // ПРИВЕТ in привет мир
        {"\xCE\xA3\xCE\x9F\xCE\xA6\xCE\x99\xCE\x91", "\xCF\x83\xCE\xBF\xCF\x86\xCE\xB9\xCE\xB1", true},  // ΣΟΦΙΑ in σοφια
        {"\xCE\x9B\xCE\x9F\xCE\x93\xCE\x9F\xCE\xA3", "\xCE\xBB\xCF\x8C\xCE\xB3\xCE\xBF\xCF\x82", false},  // ΛΟΓΟΣ: λόγος has an accent
        {"\xCE\xBB\xCE\xBF\xCE\xB3\xCE\xBF\xCE\xA3", "\xCE\x9B\xCE\x9F\xCE\x93\xCE\x9F\xCF\x82!", true},  // final sigma
        {"caf\xC3\xA9", "CAFE", false},
        {"\xF0\x9F\x94\xA5 deals", "\xF0\x9F\x94\xA5 DEALS", true},  // emoji outside the BMP
        {"\xE4\xB9\xA6", "\xE4\xB9\xA6\xE7\xAD\xBE", true},      // 书 in 书签
        {"\xD0\xB9", "\xD0\xB8\xCC\x86", false},                  // й is not и with a combining breve
        {"\xD1\x80", "\xD0\xA0\xFF", true},                        // invalid UTF-8 in the field
    };
    for (const auto& test : cases) {
        state.text = test.text;
        EXPECT_EQ(test.found, fieldMatches(test.field, state, SearchFlag::Titles)) << test.text << " in " << test.field;
    }
    state.text = "ss";
    EXPECT_TRUE(fieldMatches("glass", state, SearchFlag::Titles));  // the match ending at the last byte
}

TEST(BrowserMenuLabel, MnemonicAndLength) {
    EXPECT_EQ("&9) Short", browserMenuLabel(8, "Short"));
    EXPECT_EQ("10) Short", browserMenuLabel(9, "Short"));  // the tenth has no mnemonic
    EXPECT_EQ("10) " + std::string(23, 't') + "...", browserMenuLabel(9, std::string(40, 't')));
    EXPECT_EQ("&1) " + std::string(27, 'x'), browserMenuLabel(0, std::string(27, 'x')));  // exactly 30 fits
    EXPECT_EQ("&1) " + std::string(24, 'x') + "...", browserMenuLabel(0, std::string(28, 'x')));
    // Characters count, not bytes: 27 Cyrillic letters fit, 28 are cut between two letters.
    const auto cyrillic = [](int count) {
        std::string text;
        for (int i = 0; i < count; ++i) text += "\xD0\xAF";  // Я
        return text;
    };
    EXPECT_EQ("&1) " + cyrillic(27), browserMenuLabel(0, cyrillic(27)));
    EXPECT_EQ("&1) " + cyrillic(24) + "...", browserMenuLabel(0, cyrillic(28)));
}

TEST(WindowPlacement, StoredPlacesAreBroughtOntoTheWorkArea) {
    constexpr std::int32_t D = Settings::kUseDefault;
    const WorkArea screen{0, 0, 1024, 738}, second{1024, -200, 2944, 880}, tiny{0, 0, 250, 150};
    const struct {
        WindowBox stored;
        WorkArea area;
        std::array<std::int32_t, 4> fitted;
    } cases[] = {
        {{10, 10, 640, 480}, screen, {10, 10, 640, 480}},      {{30000, 30000, 640, 480}, screen, {384, 258, 640, 480}},
        {{-5000, -40, 104, 1}, screen, {0, 0, 300, 200}},        {{0, 0, 512000, -1}, screen, {0, 0, 1024, 200}},
        {{2000, -150, 800, 600}, second, {2000, -150, 800, 600}}, {{5, 5, 600, 400}, tiny, {0, 0, 250, 150}},
        {{30000, D, 640, D}, screen, {D, D, D, D}},              {{30000, 30000, D, D}, screen, {724, 538, D, D}},
    };
    for (const auto& c : cases) {
        const WindowBox f = fitWindowToWorkArea(c.stored, c.area);
        EXPECT_EQ(c.fitted, (std::array{f.left, f.top, f.width, f.height})) << c.stored.left << "," << c.stored.top;
    }
}

TEST(ExportName, FromTheTitleWithTheTemplatesKindInTheLastFolder) {
    const struct {
        const char* templatePath;
        std::string beginning;
        const char* title;
        const char* lastExport;
        const char* suggested;
    } cases[] = {
        {"C:\\t\\page.lht", "\xEF\xBB\xBF<!DOCTYPE html>", "My links", "D:\\out\\old.txt", "D:\\out\\My links.html"},
        {"bookmarks.lht", "<!doctype Netscape-Bookmark-file-1>", "a.b", "", "a_b.html"},
        {"list.LHT", "{oem}{title}{nl}", "con", "/home/u/e.html", "/home/u/con_.txt"},
        {"report.HTML.lht", "{title}", "con", "", "con_.html"},
        {"feed.lht", "<?xml version=\"1.0\"?><rss>", "   ", "C:\\x\\", "C:\\x\\Bookmarks.txt"},
        {"late.lht", std::string(kTemplateSniffSize, ' ') + "<html>", "", "", "Bookmarks.txt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.suggested, suggestedExportPath(folderOf(c.lastExport), c.title, "Bookmarks",
                                                   isHtmlTemplate(c.templatePath, c.beginning)))
            << c.templatePath;
    for (const char* output : {"C:\\x\\OUT.Bat", "links.url", "a.b\\run.js"}) EXPECT_TRUE(runsWhenOpened(output));
    for (const char* output : {"page.html", "C:\\bat", "a.exe\\list", "list.txt"}) EXPECT_FALSE(runsWhenOpened(output));
}

TEST(ProductVersionText, DropsATrailingZeroAndAddsTheBuild) {
    const struct {
        unsigned major, minor, build;
        const char* expected;
    } cases[] = {
        {1, 30, 0, "1.3"},  {1, 5, 0, "1.05"},  {2, 10, 7, "2.1-07"}, {1, 0, 0, "1.0"},
        {3, 45, 123, "3.45-123"}, {1, 100, 0, "1.10"}, {65535, 123, 1, "65535.123-01"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, productVersionText(c.major << 16 | c.minor, c.build << 16 | 99))
            << c.major << "." << c.minor << " build " << c.build;
}

TEST(ChooseTranslation, PrefersTheLastMatchAfterTheFirst) {
    const std::vector<VersionTranslation> list = {{0x409, 1252}, {0x407, 1252}, {0x807, 1252}, {0x40C, 1252}};
    EXPECT_EQ(2, chooseTranslation(list, 0x407));   // 0x807 is German too, and later
    EXPECT_EQ(3, chooseTranslation(list, 0x40C));
    EXPECT_EQ(0, chooseTranslation(list, 0x809));   // English: only the first pair matches, taken by default
    EXPECT_EQ(0, chooseTranslation({{0x407, 1252}}, 0x407));
    EXPECT_EQ(-1, chooseTranslation({}, 0x409));
}

TEST(HelpPages, ContentsLiesBesideTheProgramAndTopicPagesCarryTheirNumber) {
    EXPECT_EQ("linkhaven-en.html", helpContentsPath("linkhaven.exe", "linkhaven-en.html"));
    EXPECT_EQ("C:\\", helpContentsPath("C:\\linkhaven.exe", ""));
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
