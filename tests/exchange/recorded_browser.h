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

// The browser's command is also registered for https, which the shell opens
// with it; the program itself reads only the one for http.
inline constexpr const wchar_t* kCommandKeys[] = {L"http\\shell\\open\\command", L"https\\shell\\open\\command"};

// The prefix's own handlers (Wine's browser bridge), put back after each test
// (or the test's removed where the prefix had none).
inline std::string registeredCommand(const wchar_t* commandKey) {
    wchar_t command[1024];
    DWORD size = sizeof command;
    if (::RegGetValueW(HKEY_CLASSES_ROOT, commandKey, nullptr, RRF_RT_REG_SZ, nullptr, command, &size) !=
        ERROR_SUCCESS)
        return {};
    return narrowText(command);
}

inline void registerCommand(const wchar_t* commandKey, const std::string& utf8Command) {
    const std::wstring command = wideText(utf8Command);
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_CLASSES_ROOT, commandKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                                               &key, nullptr));
    ::RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                     static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(key);
}

inline void registerBrowser(const std::string& command) {
    for (const wchar_t* key : kCommandKeys) registerCommand(key, command);
}

inline std::string recorderPath() {
    wchar_t full[MAX_PATH];
    ::GetFullPathNameW(wideText(ARGUMENT_RECORDER).c_str(), MAX_PATH, full, nullptr);
    return narrowText(full);
}

class RecordedBrowser : public testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 2; ++i) previous_[i] = registeredCommand(kCommandKeys[i]);
        registerBrowser("\"" + recorderPath() + "\" \"%1\"");
        ::SetEnvironmentVariableW(L"LINKHAVEN_RECORD_FILE", wideText(record_).c_str());
        settings.MaxURL = 1;
    }
    void TearDown() override {
        for (int i = 0; i < 2; ++i) {
            if (previous_[i].empty())
                ::RegDeleteKeyW(HKEY_CLASSES_ROOT, kCommandKeys[i]);
            else
                registerCommand(kCommandKeys[i], previous_[i]);
        }
    }

    std::string previous_[2];
    TemporaryFolder folder_;
    const std::string record_ = folder_.file("record.txt");
};
