// launchUrl under Wine, with a recorder program registered as the browser for
// http in the test's own prefix, so nothing depends on a real browser.

#include "exchange/url_launcher_win.h"

#include <gtest/gtest.h>

#include <string>

#include "core/settings.h"
#include "test_files.h"

namespace {
const char* kCommandKey = "http\\shell\\open\\command";

// The prefix's own handler (Wine's browser bridge), put back after each test.
std::string registeredCommand() {
    char command[1024];
    DWORD size = sizeof command;
    if (::RegGetValueA(HKEY_CLASSES_ROOT, kCommandKey, nullptr, RRF_RT_REG_SZ, nullptr, command, &size) !=
        ERROR_SUCCESS)
        return {};
    return command;
}

void registerBrowser(const std::string& command) {
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CLASSES_ROOT, kCommandKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                                               &key, nullptr));
    ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                     static_cast<DWORD>(command.size() + 1));
    ::RegCloseKey(key);
}

std::string recorderPath() {
    char full[MAX_PATH];
    ::GetFullPathNameA(ARGUMENT_RECORDER, sizeof full, full, nullptr);
    return full;
}

// Waits for the recorder's file; empty if it never came.
std::string awaitRecord(const std::string& path) {
    for (int i = 0; i < 200 && !fileExists(path); ++i) ::Sleep(50);
    return fileExists(path) ? readFileBytes(path) : std::string();
}

class LaunchUrl : public testing::Test {
protected:
    void SetUp() override {
        previous_ = registeredCommand();
        registerBrowser("\"" + recorderPath() + "\" \"%1\"");
        ::SetEnvironmentVariableA("LINKHAVEN_RECORD_FILE", record_.c_str());
        settings.MaxURL = 1;
    }
    void TearDown() override {
        if (!previous_.empty()) registerBrowser(previous_);
    }

    std::string previous_;
    TemporaryFolder folder_;
    const std::string record_ = folder_.file("record.txt");
};
}  // namespace

TEST_F(LaunchUrl, BrowserCommandGetsTheAddressAsOneArgument) {
    ASSERT_TRUE(launchUrl(nullptr, "http://example.com/a b\" --evil", true));
    EXPECT_EQ("show=3\narg=http://example.com/a%20b%22%20--evil\n", awaitRecord(record_));
}

TEST_F(LaunchUrl, CommandWithoutArgumentsGetsTheAddressAlone) {
    registerBrowser(recorderPath());
    settings.MaxURL = 0;
    ASSERT_TRUE(launchUrl(nullptr, "http://example.com/x", true));
    EXPECT_EQ("show=5\narg=http://example.com/x\n", awaitRecord(record_));
}

TEST_F(LaunchUrl, ShellOpensTheAddressWithTheRegisteredHandler) {
    ASSERT_TRUE(launchUrl(nullptr, "http://example.com/shell", false));
    EXPECT_EQ("show=3\narg=http://example.com/shell\n", awaitRecord(record_));
}
