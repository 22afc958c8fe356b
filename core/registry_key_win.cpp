#include "core/registry_key_win.h"

#include "core/wide_text_win.h"

// Key and value names are ASCII here, but every name and string goes through
// the W functions: the registry keeps them in UTF-16.

LONG RegistryKey::open(HKEY parent, const char* name, REGSAM access) {
    if (key_) ::RegCloseKey(key_);
    key_ = nullptr;
    const LONG result = ::RegOpenKeyExW(parent, wideText(name).c_str(), 0, access, &key_);
    if (result != ERROR_SUCCESS) key_ = nullptr;
    return result;
}

LONG RegistryKey::create(HKEY parent, const char* name, REGSAM access) {
    if (key_) ::RegCloseKey(key_);
    key_ = nullptr;
    const LONG result = ::RegCreateKeyExW(parent, wideText(name).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                          nullptr, &key_, nullptr);
    if (result != ERROR_SUCCESS) key_ = nullptr;
    return result;
}

std::optional<RegistryValue> RegistryKey::value(const char* name, DWORD capacity) const {
    RegistryValue value{REG_NONE, std::string(capacity, '\0')};
    DWORD size = capacity;
    // A value larger than the buffer answers ERROR_MORE_DATA and fills nothing usable.
    if (::RegQueryValueExW(key_, name ? wideText(name).c_str() : nullptr, nullptr, &value.type,
                           reinterpret_cast<BYTE*>(value.data.data()), &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    if (value.type == REG_SZ || value.type == REG_EXPAND_SZ) {
        std::wstring text(size / sizeof(wchar_t), L'\0');
        value.data.copy(reinterpret_cast<char*>(text.data()), text.size() * sizeof(wchar_t));
        text.resize(text.find(L'\0') == std::wstring::npos ? text.size() : text.find(L'\0'));
        value.data = narrowText(text);
    }
    return value;
}

bool RegistryKey::setString(const char* name, const std::string& text) const {
    const std::wstring wide = wideText(text);
    return ::RegSetValueExW(key_, name ? wideText(name).c_str() : nullptr, 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(wide.c_str()),
                            static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool RegistryKey::setNumber(const char* name, DWORD number) const {
    return ::RegSetValueExW(key_, name ? wideText(name).c_str() : nullptr, 0, REG_DWORD,
                            reinterpret_cast<const BYTE*>(&number), sizeof number) == ERROR_SUCCESS;
}
