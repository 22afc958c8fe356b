#pragma once

// A recorder program (argument_recorder.cpp) registered as the browser for
// http in the test's own prefix, so that nothing depends on a real browser.

#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "core/settings.h"
#include "test_files.h"

inline constexpr const char* kCommandKey = "http\\shell\\open\\command";

// The prefix's own handler (Wine's browser bridge), put back after each test.
inline std::string registeredCommand() {
    char command[1024];
    DWORD size = sizeof command;
    if (::RegGetValueA(HKEY_CLASSES_ROOT, kCommandKey, nullptr, RRF_RT_REG_SZ, nullptr, command, &size) !=
        ERROR_SUCCESS)
        return {};
    return command;
}

inline void registerBrowser(const std::string& command) {
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CLASSES_ROOT, kCommandKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                                               &key, nullptr));
    ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                     static_cast<DWORD>(command.size() + 1));
    ::RegCloseKey(key);
}

inline std::string recorderPath() {
    char full[MAX_PATH];
    ::GetFullPathNameA(ARGUMENT_RECORDER, sizeof full, full, nullptr);
    return full;
}

class RecordedBrowser : public testing::Test {
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
