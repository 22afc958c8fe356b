#pragma once

// A recorder program (argument_recorder.cpp) registered as the browser in the
// test's own prefix, so that nothing depends on a real browser. Commands and
// paths are UTF-8, written and read with the W functions.

#include <windows.h>

#include <string>

#include "core/wide_text_win.h"
#include "registry_override_win.h"

inline constexpr const char* kHttpCommandKey = "http\\shell\\open\\command";

inline std::string fullPath(const char* path) {
    wchar_t full[MAX_PATH];
    ::GetFullPathNameW(wideText(path).c_str(), MAX_PATH, full, nullptr);
    return narrowText(full);
}

inline std::string recorderPath() { return fullPath(ARGUMENT_RECORDER); }

// Another command for http, while a StandInBrowser puts the first one back after.
inline void registerBrowser(const std::string& utf8Command) {
    const std::wstring command = wideText(utf8Command);
    ::RegSetKeyValueW(HKEY_CLASSES_ROOT, wideText(kHttpCommandKey).c_str(), nullptr, REG_SZ, command.c_str(),
                      static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
}

// The recorder as the program of `commandKey` while this lives; it writes
// what it was given to `recordFile`.
class StandInBrowser {
public:
    explicit StandInBrowser(const std::string& recordFile, const char* commandKey = kHttpCommandKey)
        : command_(HKEY_CLASSES_ROOT, commandKey, "", "\"" + recorderPath() + "\" \"%1\"") {
        ::SetEnvironmentVariableW(L"LINKHAVEN_RECORD_FILE", wideText(recordFile).c_str());
    }

private:
    RegistryOverride command_;
};
