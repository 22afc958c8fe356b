#include "exchange/url_launcher.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(SplitBrowserCommand, RegisteredCommandShapes) {
    const std::string address = "http://example.com/";
    const std::tuple<const char*, const char*, const char*> cases[] = {  // command, program, arguments
        {"\"C:\\Program Files\\Browser\\browser.exe\" \"%1\"", "C:\\Program Files\\Browser\\browser.exe",
         "\"http://example.com/\""},
        {"\"C:\\Browser\\browser.exe\"", "C:\\Browser\\browser.exe", "http://example.com/"},
        {"C:\\Browser\\browser.exe", "C:\\Browser\\browser.exe", "http://example.com/"},
        {"C:\\Browser\\browser.exe -nohome", "C:\\Browser\\browser.exe", "-nohome http://example.com/"},
        {"browser.exe -url %1 -tab", "browser.exe", "-url http://example.com/ -tab"},
        {"browser.exe %1 %1", "browser.exe", "http://example.com/ %1"},  // only the first is replaced
        {"\"C:\\Browser\\browser.exe\" \t  ", "C:\\Browser\\browser.exe", "http://example.com/"},
        {"browser.exe    \t%1", "browser.exe", "http://example.com/"},
        {"\"C:\\No closing quote\\browser.exe %1", "C:\\No closing quote\\browser.exe %1", "http://example.com/"},
        {"\"\" %1", "", "http://example.com/"},
        {"", "", "http://example.com/"},
    };
    for (const auto& [command, program, arguments] : cases) {
        const BrowserCommand split = splitBrowserCommand(command, address);
        EXPECT_EQ(program, split.program) << command;
        EXPECT_EQ(arguments, split.arguments) << command;
    }
}

TEST(SplitBrowserCommand, AddressCannotAddArgumentsOfItsOwn) {
    const std::pair<const char*, const char*> cases[] = {
        {"http://a.example/\" --user-data-dir=C:\\x \"", "\"http://a.example/%22%20--user-data-dir=C:\\x%20%22\""},
        {"http://a.example/a b", "\"http://a.example/a%20b\""},
        {"http://a.example/\t\r\n", "\"http://a.example/%09%0D%0A\""},
        // Control characters, C1 (U+0085) too; no-break space and é stay.
        {"http://a.example/\x01\x1F\x7F\xC2\x85\xC2\xA0\xC3\xA9",
         "\"http://a.example/%01%1F%7F%C2%85\xC2\xA0\xC3\xA9\""},
        {"http://a/dir\\", "\"http://a/dir\\\\\""},  // read as one backslash, not as a quote
        {"http://a/d\\ir\\\\", "\"http://a/d\\ir\\\\\\\\\""},
        {"http://a.example/50%25?q=%1", "\"http://a.example/50%25?q=%1\""},  // other bytes stay as written
    };
    for (const auto& [address, arguments] : cases)
        EXPECT_EQ(arguments, splitBrowserCommand("\"browser.exe\" \"%1\"", address).arguments) << address;
    EXPECT_EQ("-new http://a.example/%22x", splitBrowserCommand("browser.exe -new", "http://a.example/\"x").arguments);
    EXPECT_EQ("http://a/dir\\", splitBrowserCommand("browser.exe %1", "http://a/dir\\").arguments);  // no quote follows
}
