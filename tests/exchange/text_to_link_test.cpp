#include "exchange/text_to_link.h"

#include <gtest/gtest.h>

#include <vector>

TEST(TextToLink, ChoosesTheAddressAndPlacesTheRest) {
    struct Case {
        const char* text;
        bool found;
        const char* title;
        const char* description;
        const char* url;
    };
    const std::vector<Case> cases = {
        {"Example site\r\nhttp://example.com/", true, "Example site", "", "http://example.com/"},
        {"http://example.com/", true, "http://example.com/", "", "http://example.com/"},
        {"  word  ", true, "word", "", "word"},
        {"Some title http://a.example/x trailing words", true, "Some title", "trailing words", "http://a.example/x"},
        {"http://a.example/ then more", true, "then more", "", "http://a.example/"},
        // A scheme mark beats more dots: www.x.y.z.example scores 4, http://b/ 3 + 10.
        {"see www.x.y.z.example or http://b/", true, "see www.x.y.z.example or", "", "http://b/"},
        // Equal scores: the earlier word.
        {"a.b c.d", true, "c.d", "", "a.b"},
        // Bytes of 0x80 and above belong to words.
        {"Caf\xE9\xA0menu example.com/caf\xE9", true, "Caf\xE9\xA0menu", "", "example.com/caf\xE9"},
        // Only CR LF pairs become two blanks.
        {"first\r\nsecond\nthird http://x/ one\r\ntwo", true, "first  second\nthird", "one  two", "http://x/"},
        {"", false, "", "", ""},
        {" \r\n\t ", false, "", "", ""},
    };
    for (const Case& test : cases) {
        ItemFields fields;
        EXPECT_EQ(test.found, textToLink(test.text, fields)) << test.text;
        EXPECT_EQ(test.title, fields.title) << test.text;
        EXPECT_EQ(test.description, fields.description) << test.text;
        EXPECT_EQ(test.url, fields.url) << test.text;
    }
}

TEST(TextToLink, ScoresTheSchemeWalk) {
    struct Case {
        const char* text;
        const char* url;
    };
    const std::vector<Case> cases = {
        {"a:/./ b:x//", "b:x//"},  // "." breaks the walk (4 points); letters do not (3 + 10)
        {"x:y/z/ ab://", "x:y/z/"},  // 13 each: the earlier word
        {"1.2.3.4.5.6.7.8.9.10.11.12.13.14.15 h://", "1.2.3.4.5.6.7.8.9.10.11.12.13.14.15"},  // 14 beats 13
        {"::// z", ":://"},  // a second ':' breaks the walk: 4 points, no bonus
    };
    for (const Case& test : cases) {
        ItemFields fields;
        EXPECT_TRUE(textToLink(test.text, fields));
        EXPECT_EQ(test.url, fields.url) << test.text;
    }
}

TEST(TextToLink, KeepsFieldsAlreadyGiven) {
    ItemFields fields;
    fields.url = "http://given/";
    EXPECT_TRUE(textToLink("http://other/ is ignored", fields));
    EXPECT_EQ("http://given/", fields.url);
    EXPECT_EQ("http://other/ is ignored", fields.title);

    ItemFields full;
    full.title = "t";
    full.description = "d";
    EXPECT_TRUE(textToLink("before http://u/ after", full));
    EXPECT_EQ("t", full.title);
    EXPECT_EQ("d", full.description);
    EXPECT_EQ("http://u/", full.url);
}
