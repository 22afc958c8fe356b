#pragma once

// An open registry key, closed when it goes out of scope, so that every early
// return lets go of it.

#include <windows.h>

#include <optional>
#include <string>

struct RegistryValue {
    DWORD type;
    std::string data;  // the bytes as stored; a string (REG_SZ) in UTF-8, without its NUL
};

class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() {
        if (key_) ::RegCloseKey(key_);
    }

    // Opens an existing key; the Windows error code, ERROR_SUCCESS when open.
    LONG open(HKEY parent, const char* name, REGSAM access);
    // Opens the key, creating it and any missing parent first.
    LONG create(HKEY parent, const char* name, REGSAM access);

    HKEY get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }

    // One value (an empty name for the key's default value), read into at
    // most `capacity` bytes as stored (a string's UTF-16 with its NUL); none
    // when it is missing or larger.
    std::optional<RegistryValue> value(const char* name, DWORD capacity) const;
    bool setString(const char* name, const std::string& text) const;
    bool setNumber(const char* name, DWORD number) const;

private:
    HKEY key_ = nullptr;
};
