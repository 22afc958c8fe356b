#include "exchange/launch_decision.h"

#include <gtest/gtest.h>

#include <utility>

TEST(LaunchDecision, OnlyWebAndMailOpenOtherSchemesAskAndTheRestIsRefused) {
    constexpr LaunchDecision Open = LaunchDecision::Open, Ask = LaunchDecision::Ask, Refuse = LaunchDecision::Refuse;
    const std::pair<const char*, LaunchDecision> cases[] = {
        {"http://a/", Open}, {"HTTP://A/", Open}, {"hTTpS://a/", Open}, {"ftp://a/", Open}, {"mailto:x@a", Open},
        {"MailTo:x", Open}, {"file:///C:/payload.exe", Ask}, {"FILE://host/s/x.exe", Ask}, {"javascript:x", Ask},
        {"data:text/html,x", Ask}, {"httpx://a/", Ask}, {"http://a.example/\" --gpu-launcher=x \"", Open},
        {"calc.exe", Refuse}, {"exe", Refuse}, {"C:\\Windows\\System32\\calc.exe", Refuse}, {"C:\\payload.exe", Refuse},
        {"\\\\.\\C:\\payload.exe", Refuse}, {"\\\\host\\share\\payload.exe", Refuse}, {"//host/s/x.exe", Refuse},
        {" http://a/", Refuse}, {"\thttp://a/", Refuse}, {"-http://a/", Refuse}, {"--gpu-launcher=x", Refuse},
        {"1http://a/", Refuse}, {"http//a/", Refuse}, {"http", Refuse}, {":http", Refuse}, {"", Refuse},
    };
    for (const auto& [address, expected] : cases) EXPECT_EQ(expected, launchDecision(address)) << address;
}
