#include "core/settings.h"

#include <windows.h>

namespace {
class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() {
        if (key_) ::RegCloseKey(key_);
    }
    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

class RegistrySource : public SettingsSource {
public:
    explicit RegistrySource(HKEY key) : key_(key) {}
    // RegQueryValueExA answers ERROR_MORE_DATA, and fills nothing usable,
    // when the value is larger than the buffer: such a value is skipped.
    bool readValue(const char* name, void* buffer, std::uint32_t capacity, std::uint32_t& size) const override {
        DWORD length = capacity;
        if (::RegQueryValueExA(key_, name, nullptr, nullptr, static_cast<BYTE*>(buffer), &length) != ERROR_SUCCESS)
            return false;
        size = length;
        return true;
    }

private:
    HKEY key_;
};

class RegistrySink : public SettingsSink {
public:
    explicit RegistrySink(HKEY key) : key_(key) {}
    void writeNumber(const char* name, std::uint32_t value) override {
        const DWORD data = value;
        ::RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
    }
    void writeString(const char* name, const std::string& text) override {
        ::RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>(text.size() + 1));
    }

private:
    HKEY key_;
};

ScreenSize currentScreen() {
    return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}
}  // namespace

void Settings::load() {
    RegistryKey key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kRegistryKey, 0, KEY_READ, key.out()) != ERROR_SUCCESS) return;
    loadFrom(RegistrySource(key.get()), currentScreen());
}

long Settings::save() const {
    RegistryKey key;
    const LONG result = ::RegCreateKeyExA(HKEY_CURRENT_USER, kRegistryKey, 0, const_cast<char*>(""),
                                          REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, key.out(), nullptr);
    if (result != ERROR_SUCCESS) return result;
    RegistrySink sink(key.get());
    saveTo(sink, currentScreen());
    return 0;
}
