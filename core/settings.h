#pragma once

// The user's preferences and the main window's geometry: one record per
// process, read from the per-user registry at start and written back at exit.
// Fields keep their registry value names.

#include <array>
#include <cstdint>
#include <string>

// Where stored settings come from: one named value at a time, with the
// registry's rules. readValue fills at most `capacity` bytes and answers the
// value's size, or false when the value is missing or larger than `capacity`.
class SettingsSource {
public:
    virtual ~SettingsSource() = default;
    virtual bool readValue(const char* name, void* buffer, std::uint32_t capacity,
                           std::uint32_t& size) const = 0;
};

// Where settings go: 32-bit numbers and NUL-terminated strings (UTF-8 here,
// stored as UTF-16 as the registry keeps REG_SZ).
class SettingsSink {
public:
    virtual ~SettingsSink() = default;
    virtual void writeNumber(const char* name, std::uint32_t value) = 0;
    virtual void writeString(const char* name, const std::string& text) = 0;
};

struct ScreenSize {
    std::int32_t width;
    std::int32_t height;
};

class Settings {
public:
    static constexpr std::int32_t kUseDefault = INT32_MIN;  // CW_USEDEFAULT
    static constexpr std::uint32_t kStringCapacity = 260;  // UTF-16 units, the NUL included
    static constexpr const char* kRegistryKey = "Software\\Oakbridge\\Linkhaven";

    std::int32_t Left = kUseDefault;
    std::int32_t Top = kUseDefault;
    std::int32_t Width = kUseDefault;
    std::int32_t Height = kUseDefault;
    std::int32_t Descr = 0;
    std::int32_t MaxURL = 1;
    std::int32_t MinOnUse = 1;
    std::int32_t AutoSave = 0;
    std::int32_t FontSize = 80;
    std::int32_t FontWeight = 400;
    std::int32_t FontItalic = 0;
    std::int32_t FontScript = 1;
    std::int32_t SearchFlags = 0x0D;
    std::int32_t Language = 0;
    // Not 0 when the window was maximised at exit; Left to Height are then
    // its normal (restored) place and size.
    std::int32_t Maximized = 0;
    std::string FontName;
    std::string LastTemplate;
    std::string LastExport;
    // The collections opened or saved last, the most recent first; stored as
    // Recent1 to Recent4, read without gaps.
    static constexpr std::size_t kRecentFileCount = 4;
    std::array<std::string, kRecentFileCount> RecentFiles;

    // Puts `path` first in RecentFiles (once: names differing only in the
    // case of ASCII letters are one file), the oldest dropping out.
    void addRecentFile(const std::string& path);
    void removeRecentFile(const std::string& path);

    // Windows only. Reads the per-user registry; whatever cannot be read
    // keeps its value.
    void load();
    // Windows only. Writes every field to the per-user registry: 0, or the
    // Windows error of creating the key (then nothing is written).
    long save() const;

    // The portable halves of load and save, for any store and screen.
    void loadFrom(const SettingsSource& source, ScreenSize screen);
    void saveTo(SettingsSink& sink, ScreenSize screen) const;

    // The menu's switches: any non-zero value becomes 0, and 0 becomes 1.
    static void toggle(std::int32_t& field) { field = field == 0 ? 1 : 0; }
};

// Windows' MulDiv: the 64-bit product divided to the nearest integer (halves
// away from zero); -1 when the divisor is 0 or the result overflows.
std::int32_t mulDiv(std::int32_t number, std::int32_t numerator, std::int32_t denominator);

// The one settings record of the program.
extern Settings settings;
