#include "exchange/text_to_link.h"

#include "core/address_scheme.h"

#include <gtest/gtest.h>

#include <utility>

TEST(TextToLink, ChoosesTheAddressAndPlacesTheRest) {
    const struct {
        const char* text;
        bool found;
        const char* title;
        const char* description;
        const char* url;
    } cases[] = {
        {"Example site\r\nhttp://example.com/", true, "Example site", "", "http://example.com/"},
        {"http://example.com/", true, "http://example.com/", "", "http://example.com/"},
        {"  word  ", false, "word", "", ""},
        {"hello world, not a link", false, "hello world, not a link", "", ""},
        {"Some title http://a.example/x trailing words", true, "Some title", "trailing words", "http://a.example/x"},
        {"http://a.example/ then more", true, "then more", "", "http://a.example/"},
        // A scheme mark beats more dots: www.x.y.z.example scores 4, http://b/ 3 + 10.
        {"see www.x.y.z.example or http://b/", true, "see www.x.y.z.example or", "", "http://b/"},
        {"Docs www.example.org/docs", true, "Docs", "", "https://www.example.org/docs"},
        {"write to mailto:me@example.org", true, "write to", "", "mailto:me@example.org"},
        // Equal scores: the earlier word.
        {"ftp://a/ ftp://b/", true, "ftp://b/", "", "ftp://a/"},
        // Bytes of 0x80 and above belong to words.
        {"Caf\xE9\xA0menu http://example.com/caf\xE9", true, "Caf\xE9\xA0menu", "", "http://example.com/caf\xE9"},
        // Only CR LF pairs become two blanks.
        {"first\r\nsecond\nthird http://x/ one\r\ntwo", true, "first  second\nthird", "one  two", "http://x/"},
        // No address: a host without www., a path, a scheme without "//", a drive letter.
        {"just words example.org C:\\x javascript:alert(1) news:x", false, "just words example.org C:\\x javascript:alert(1) news:x", "", ""},
        {"", false, "", "", ""},
        {" \r\n\t ", false, "", "", ""},
    };
    for (const auto& test : cases) {
        ItemFields fields;
        EXPECT_EQ(test.found, textToLink(test.text, fields)) << test.text;
        EXPECT_EQ(test.title, fields.title) << test.text;
        EXPECT_EQ(test.description, fields.description) << test.text;
        EXPECT_EQ(test.url, fields.url) << test.text;
    }
}

TEST(TextToLink, AHostNameTypedWithoutASchemeBecomesAWebAddress) {
    const std::pair<const char*, const char*> cases[] = {
        {"example.org/page", "https://example.org/page"},
        {"www.example.org:8080", "https://www.example.org:8080"},
        {"sub-1.example.co.uk?q=1", "https://sub-1.example.co.uk?q=1"},
        {"http://example.org", "http://example.org"},
        {"mailto:me@example.org", "mailto:me@example.org"},
        {"localhost:8080", "localhost:8080"},
        {"10.0.0.1/admin", "10.0.0.1/admin"},
        {"example.org:http", "example.org:http"},
        {"just words", "just words"},
        {"C:\\tools\\x.exe", "C:\\tools\\x.exe"},
        {"a..b", "a..b"},
    };
    for (const auto& [typed, address] : cases) EXPECT_EQ(address, withAssumedScheme(typed)) << typed;
}

TEST(TextToLink, KeepsFieldsAlreadyGiven) {
    ItemFields fields{"", "", "http://given/"};
    EXPECT_TRUE(textToLink("http://other/ is ignored", fields));
    EXPECT_EQ("http://other/ is ignored||http://given/", fields.title + "|" + fields.description + "|" + fields.url);

    ItemFields full{"t", "d", ""};
    EXPECT_TRUE(textToLink("before http://u/ after", full));
    EXPECT_EQ("t|d|http://u/", full.title + "|" + full.description + "|" + full.url);
}
