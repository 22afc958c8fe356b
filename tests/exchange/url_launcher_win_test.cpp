// launchUrl under Wine, with the recorder as the browser.

#include "exchange/url_launcher_win.h"

#include <gtest/gtest.h>

#include <string>

#include "core/settings.h"
#include "core/wide_text_win.h"
#include "exchange/argument_record.h"
#include "exchange/recorded_browser.h"

TEST_F(RecordedBrowser, BrowserCommandGetsTheAddressAsOneArgument) {
    ASSERT_TRUE(launchUrl(nullptr, "http://example.com/a b\" --evil", true));
    EXPECT_EQ("show=3\narg=http://example.com/a%20b%22%20--evil\n", awaitArgumentRecord(record_));
}

TEST_F(RecordedBrowser, CommandWithoutArgumentsGetsTheAddressAlone) {
    registerBrowser(recorderPath());
    settings.MaxURL = 0;
    ASSERT_TRUE(launchUrl(nullptr, "http://example.com/x", true));
    EXPECT_EQ("show=5\narg=http://example.com/x\n", awaitArgumentRecord(record_));
}

TEST_F(RecordedBrowser, ShellOpensTheAddressWithTheRegisteredHandler) {
    ASSERT_TRUE(launchUrl(nullptr, "http://example.com/shell", false));
    EXPECT_EQ("show=3\narg=http://example.com/shell\n", awaitArgumentRecord(record_));
}

TEST_F(RecordedBrowser, ShellGetsTheAddressAsOneArgumentAndNoPath) {
    EXPECT_FALSE(launchUrl(nullptr, recorderPath(), false, true));  // even when the user agreed
    ASSERT_TRUE(launchUrl(nullptr, "http://a.example/\" --gpu-launcher=x \"", false));
    EXPECT_EQ("show=3\narg=http://a.example/%22%20--gpu-launcher=x%20%22\n", awaitArgumentRecord(record_));
}

TEST_F(RecordedBrowser, AddressesInEveryScriptArriveAsTheirCharacters) {
    // The browser, too, has a name outside the ANSI code page.
    const std::string browser = folder_.path() + "\\Обозреватель.exe";
    ASSERT_TRUE(::CopyFileW(wideText(recorderPath()).c_str(), wideText(browser).c_str(), FALSE));
    registerBrowser("\"" + browser + "\" \"%1\"");
    for (const char* address : {"http://ru.wikipedia.org/wiki/Заглавная_страница", "http://例え.jp/パス"}) {
        for (bool useBrowserCommand : {true, false}) {
            ::DeleteFileW(wideText(record_).c_str());
            ASSERT_TRUE(launchUrl(nullptr, address, useBrowserCommand)) << address;
            EXPECT_EQ(std::string("show=3\narg=") + address + "\n", awaitArgumentRecord(record_))
                << address << (useBrowserCommand ? " by the browser command" : " by the shell");
        }
    }
}
