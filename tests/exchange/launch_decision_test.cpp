#include "exchange/launch_decision.h"

#include <gtest/gtest.h>

TEST(LaunchDecision, OnlyWebAndMailOpenOtherSchemesAskAndTheRestIsRefused) {
    constexpr LaunchDecision Open = LaunchDecision::Open, Ask = LaunchDecision::Ask, Refuse = LaunchDecision::Refuse;
    const struct {
        const char* address;
        LaunchDecision expected;
    } cases[] = {
        {"http://a.example/", Open}, {"HTTP://A.EXAMPLE/", Open}, {"hTTpS://a/", Open}, {"ftp://a/", Open},
        {"mailto:someone@a.example", Open}, {"MailTo:x", Open},
        {"file:///C:/payload.exe", Ask}, {"FILE://host/share/payload.exe", Ask}, {"javascript:alert(1)//x", Ask},
        {"data:text/html,x", Ask}, {"ms-settings:x", Ask}, {"hxxp://a/", Ask}, {"httpx://a/", Ask},
        {"calc.exe", Refuse}, {"exe", Refuse}, {"C:\\Windows\\System32\\calc.exe", Refuse},
        {"C:\\payload.exe", Refuse}, {"c:/payload.exe", Refuse}, {"\\\\.\\C:\\payload.exe", Refuse},
        {"\\\\host\\share\\payload.exe", Refuse}, {"//host/share/payload.exe", Refuse},
        {" http://a/", Refuse}, {"\thttp://a/", Refuse}, {"-http://a/", Refuse}, {"--gpu-launcher=x", Refuse},
        {"1http://a/", Refuse}, {"http//a/", Refuse}, {"http", Refuse}, {":http", Refuse}, {"", Refuse},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, launchDecision(c.address)) << c.address;
}
