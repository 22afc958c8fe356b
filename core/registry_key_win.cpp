#include "core/registry_key_win.h"

LONG RegistryKey::open(HKEY parent, const char* name, REGSAM access) {
    if (key_) ::RegCloseKey(key_);
    key_ = nullptr;
    const LONG result = ::RegOpenKeyExA(parent, name, 0, access, &key_);
    if (result != ERROR_SUCCESS) key_ = nullptr;
    return result;
}

LONG RegistryKey::create(HKEY parent, const char* name, REGSAM access) {
    if (key_) ::RegCloseKey(key_);
    key_ = nullptr;
    const LONG result =
        ::RegCreateKeyExA(parent, name, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key_, nullptr);
    if (result != ERROR_SUCCESS) key_ = nullptr;
    return result;
}

std::optional<RegistryValue> RegistryKey::value(const char* name, DWORD capacity) const {
    RegistryValue value{REG_NONE, std::string(capacity, '\0')};
    DWORD size = capacity;
    // A value larger than the buffer answers ERROR_MORE_DATA and fills nothing usable.
    if (::RegQueryValueExA(key_, name, nullptr, &value.type, reinterpret_cast<BYTE*>(value.data.data()), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

bool RegistryKey::setString(const char* name, const std::string& text) const {
    return ::RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

bool RegistryKey::setNumber(const char* name, DWORD number) const {
    return ::RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number) ==
           ERROR_SUCCESS;
}
