#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "ui/shell/browser_menu_label.h"
#include "ui/window/command_line.h"
#include "ui/window/pane_layout.h"
#include "ui/window/window_placement.h"
#include "core/settings.h"
#include "ui/search_match.h"
#include "ui/tree/title_order.h"

TEST(FirstArgument, QuotesBlanksAndTheRest) {
    struct Case {
        const char* line;
        const char* argument;  // nullptr: none
    };
    const std::vector<Case> cases = {
        {"", nullptr},
        {"   \t ", nullptr},
        {"\"\" rest", nullptr},
        {"file.lhv", "file.lhv"},
        {"  C:\\My Files\\a.lhv", "C:\\My"},
        {"\"C:\\My Files\\a.lhv\" other", "C:\\My Files\\a.lhv"},
        {"\"C:\\no closing quote.lhv", "C:\\no closing quote.lhv"},
        {"first\tsecond", "first"},
        {"a\"b c", "a\"b"},
    };
    for (const Case& test : cases) {
        const auto argument = firstArgument(test.line);
        if (!test.argument) {
            EXPECT_FALSE(argument.has_value()) << test.line;
        } else {
            EXPECT_EQ(test.argument, argument.value_or("(none)")) << test.line;
        }
    }
}

TEST(CompareTitles, CaseAndPrefixes) {
    EXPECT_EQ(0, compareTitles("News", "nEWS"));
    EXPECT_EQ(0, compareTitles("News", "Newspaper"));  // the shorter ends first
    EXPECT_EQ(0, compareTitles("", "anything"));
    EXPECT_LT(compareTitles("apple", "Banana"), 0);
    EXPECT_EQ('a' - 'b', compareTitles("Apple", "b"));
    EXPECT_GT(compareTitles("\xC9t\xE9", "zebra"), 0);   // bytes above 0x7F sort after ASCII
    EXPECT_EQ(0, compareTitles("\xC9T\xC9", "\xE9t\xE9"));  // É lowers to é
}

TEST(PaneLayout, QuarterRuleAndStoredHeight) {
    const PaneLayout stored = computePaneLayout(800, 600, 150, 4);
    EXPECT_EQ(0, stored.tree.y);
    EXPECT_EQ(446, stored.tree.height);
    EXPECT_EQ(450, stored.description.y);
    EXPECT_EQ(150, stored.description.height);
    EXPECT_EQ(800, stored.description.width);
    EXPECT_EQ(150, stored.descriptionHeight);

    for (int descr : {0, 600, 601, -20}) {
        const PaneLayout quarter = computePaneLayout(800, 601, descr == 600 ? 601 : descr, 4);
        EXPECT_EQ(150, quarter.descriptionHeight) << descr;
        EXPECT_EQ(451, quarter.description.y) << descr;
        EXPECT_EQ(447, quarter.tree.height) << descr;
    }
}

TEST(FieldMatches, CaseAndMasks) {
    SearchState state{SearchFlag::Titles, "News"};
    EXPECT_TRUE(fieldMatches("Daily News", state, SearchFlag::Titles));
    EXPECT_FALSE(fieldMatches("daily news", state, SearchFlag::Titles));
    EXPECT_FALSE(fieldMatches("Daily News", state, SearchFlag::Urls));  // not searched
    state.flags |= SearchFlag::IgnoreCase;
    EXPECT_TRUE(fieldMatches("daily nEWS", state, SearchFlag::Titles));
    EXPECT_FALSE(fieldMatches("New", state, SearchFlag::Titles));
    state.text = "\xC9T\xC9";  // ÉTÉ, lowered byte by byte in code page 1252
    EXPECT_TRUE(fieldMatches("l'\xE9t\xE9", state, SearchFlag::Titles));
    state.text = "ss";
    EXPECT_TRUE(fieldMatches("glass", state, SearchFlag::Titles));  // the match ending at the last byte
}

TEST(BrowserMenuLabel, MnemonicAndLength) {
    const std::string forty(40, 't');
    EXPECT_EQ("&1) " + std::string(24, 't') + "...", browserMenuLabel(0, forty));
    EXPECT_EQ(31u, browserMenuLabel(0, forty).size());  // 30 without the "&"
    EXPECT_EQ("&9) Short", browserMenuLabel(8, "Short"));
    EXPECT_EQ("10) Short", browserMenuLabel(9, "Short"));  // the tenth has no mnemonic
    EXPECT_EQ("10) " + std::string(23, 't') + "...", browserMenuLabel(9, forty));
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
