#pragma once

// A registry value set for the length of a test, under Wine in the test's own
// prefix, and put back as it was after (deleted when there was none). Keys,
// names and values are UTF-8; the name "" is the key's default value.

#include <windows.h>

#include <optional>
#include <string>

#include "core/wide_text_win.h"

class RegistryOverride {
public:
    RegistryOverride(HKEY root, const std::string& key, const std::string& name, const std::string& value)
        : root_(root), key_(wideText(key)), name_(wideText(name)), previous_(read()) {
        write(wideText(value));
    }
    ~RegistryOverride() {
        if (previous_)
            write(*previous_);
        else
            ::RegDeleteKeyValueW(root_, key_.c_str(), valueName());
    }
    RegistryOverride(const RegistryOverride&) = delete;
    RegistryOverride& operator=(const RegistryOverride&) = delete;

private:
    const wchar_t* valueName() const { return name_.empty() ? nullptr : name_.c_str(); }
    std::optional<std::wstring> read() const {
        wchar_t value[1024];
        DWORD size = sizeof value;
        if (::RegGetValueW(root_, key_.c_str(), valueName(), RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
            return std::nullopt;
        return std::wstring(value);
    }
    void write(const std::wstring& value) const {
        ::RegSetKeyValueW(root_, key_.c_str(), valueName(), REG_SZ, value.c_str(),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }

    HKEY root_;
    std::wstring key_, name_;
    std::optional<std::wstring> previous_;
};
