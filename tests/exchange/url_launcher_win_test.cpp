// launchUrl under Wine, with the recorder as the browser.

#include "exchange/url_launcher_win.h"

#include <gtest/gtest.h>

#include <string>

#include "core/settings.h"
#include "core/wide_text_win.h"
#include "exchange/argument_record.h"
#include "exchange/recorded_browser.h"

TEST_F(RecordedBrowser, CommandWithoutArgumentsGetsTheAddressAlone) {
    registerBrowser(recorderPath());
    settings.MaxURL = 0;
    ASSERT_TRUE(launchUrl(nullptr, "http://example.com/x", true));
    EXPECT_EQ("show=5\narg=http://example.com/x\n", awaitArgumentRecord(record_));
}

// By the browser command and by the shell alike: one argument, the characters of every script.
TEST_F(RecordedBrowser, TheAddressArrivesAsOneArgumentInEveryScript) {
    // The browser, too, has a name outside the ANSI code page.
    const std::string browser = folder_.path() + "\\Обозреватель.exe";
    ASSERT_TRUE(::CopyFileW(wideText(recorderPath()).c_str(), wideText(browser).c_str(), FALSE));
    registerBrowser("\"" + browser + "\" \"%1\"");
    const std::pair<std::string, std::string> cases[] = {  // the address, and as the browser gets it
        {"http://example.com/a b\" --evil", "http://example.com/a%20b%22%20--evil"},
        {"http://a.example/\" --gpu-launcher=x \"", "http://a.example/%22%20--gpu-launcher=x%20%22"},
        {"http://ru.wikipedia.org/wiki/Заглавная_страница", "http://ru.wikipedia.org/wiki/Заглавная_страница"},
        {"http://例え.jp/パス", "http://例え.jp/パス"},
    };
    for (const auto& [address, received] : cases) {
        for (bool useBrowserCommand : {true, false}) {
            ::DeleteFileW(wideText(record_).c_str());
            ASSERT_TRUE(launchUrl(nullptr, address, useBrowserCommand)) << address;
            EXPECT_EQ("show=3\narg=" + received + "\n", awaitArgumentRecord(record_))
                << address << (useBrowserCommand ? " by the browser command" : " by the shell");
        }
    }
    EXPECT_FALSE(launchUrl(nullptr, recorderPath(), false, true));  // no path, even when the user agreed
}
