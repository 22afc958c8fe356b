#include "core/settings.h"

#include <windows.h>

#include "core/registry_key_win.h"
#include "core/wide_text_win.h"

namespace {
class RegistrySource : public SettingsSource {
public:
    explicit RegistrySource(HKEY key) : key_(key) {}
    // RegQueryValueExW answers ERROR_MORE_DATA, and fills nothing usable,
    // when the value is larger than the buffer: such a value is skipped.
    // Strings come as the registry keeps them, in UTF-16.
    bool readValue(const char* name, void* buffer, std::uint32_t capacity, std::uint32_t& size) const override {
        DWORD length = capacity;
        if (::RegQueryValueExW(key_, wideText(name).c_str(), nullptr, nullptr, static_cast<BYTE*>(buffer), &length) != ERROR_SUCCESS)
            return false;
        size = length;
        return true;
    }

private:
    HKEY key_;
};

class RegistrySink : public SettingsSink {
public:
    explicit RegistrySink(const RegistryKey& key) : key_(key) {}
    void writeNumber(const char* name, std::uint32_t value) override { key_.setNumber(name, value); }
    void writeString(const char* name, const std::string& text) override { key_.setString(name, text); }

private:
    const RegistryKey& key_;
};

ScreenSize currentScreen() {
    return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}
}  // namespace

void Settings::load() {
    RegistryKey key;
    if (key.open(HKEY_CURRENT_USER, kRegistryKey, KEY_READ) != ERROR_SUCCESS) return;
    loadFrom(RegistrySource(key.get()), currentScreen());
}

long Settings::save() const {
    RegistryKey key;
    const LONG result = key.create(HKEY_CURRENT_USER, kRegistryKey, KEY_WRITE);
    if (result != ERROR_SUCCESS) return result;
    RegistrySink sink(key);
    saveTo(sink, currentScreen());
    return 0;
}
