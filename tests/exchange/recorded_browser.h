#pragma once

// A recorder program (argument_recorder.cpp) registered as the browser for
// http in the test's own prefix, so that nothing depends on a real browser.
// Commands and paths are UTF-8, written and read with the W functions.

#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "core/settings.h"
#include "core/wide_text_win.h"
#include "test_files.h"

inline constexpr const wchar_t* kCommandKey = L"http\\shell\\open\\command";

// The prefix's own handler (Wine's browser bridge), put back after each test.
inline std::string registeredCommand() {
    wchar_t command[1024];
    DWORD size = sizeof command;
    if (::RegGetValueW(HKEY_CLASSES_ROOT, kCommandKey, nullptr, RRF_RT_REG_SZ, nullptr, command, &size) !=
        ERROR_SUCCESS)
        return {};
    return narrowText(command);
}

inline void registerBrowser(const std::string& utf8Command) {
    const std::wstring command = wideText(utf8Command);
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_CLASSES_ROOT, kCommandKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                                               &key, nullptr));
    ::RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                     static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(key);
}

inline std::string recorderPath() {
    wchar_t full[MAX_PATH];
    ::GetFullPathNameW(wideText(ARGUMENT_RECORDER).c_str(), MAX_PATH, full, nullptr);
    return narrowText(full);
}

class RecordedBrowser : public testing::Test {
protected:
    void SetUp() override {
        previous_ = registeredCommand();
        registerBrowser("\"" + recorderPath() + "\" \"%1\"");
        ::SetEnvironmentVariableW(L"LINKHAVEN_RECORD_FILE", wideText(record_).c_str());
        settings.MaxURL = 1;
    }
    void TearDown() override {
        if (!previous_.empty()) registerBrowser(previous_);
    }

    std::string previous_;
    TemporaryFolder folder_;
    const std::string record_ = folder_.file("record.txt");
};
