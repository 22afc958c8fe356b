#include "core/settings.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "core/ascii_case.h"
#include "core/unicode_text.h"

Settings settings;

namespace {
struct NumberField {
    const char* name;
    std::int32_t Settings::*field;
};

// The registry's order of the numbers, which is also the order they are written.
constexpr NumberField kNumbers[] = {
    {"Left", &Settings::Left},           {"Top", &Settings::Top},
    {"Width", &Settings::Width},         {"Height", &Settings::Height},
    {"Descr", &Settings::Descr},         {"MaxURL", &Settings::MaxURL},
    {"MinOnUse", &Settings::MinOnUse},   {"AutoSave", &Settings::AutoSave},
    {"FontSize", &Settings::FontSize},   {"FontWeight", &Settings::FontWeight},
    {"FontItalic", &Settings::FontItalic}, {"FontScript", &Settings::FontScript},
    {"SearchFlags", &Settings::SearchFlags}, {"Language", &Settings::Language},
    {"Maximized", &Settings::Maximized},
};

struct StringField {
    const char* name;
    std::string Settings::*field;
};

constexpr StringField kStrings[] = {
    {"FontName", &Settings::FontName},
    {"LastTemplate", &Settings::LastTemplate},
    {"LastExport", &Settings::LastExport},
};

constexpr const char* kRecentNames[Settings::kRecentFileCount] = {"Recent1", "Recent2", "Recent3", "Recent4"};

// A number is taken only when the stored value is exactly four bytes: a
// shorter one would leave part of the field undefined.
bool readNumber(const SettingsSource& source, const char* name, std::int32_t& value) {
    unsigned char bytes[4];
    std::uint32_t size = 0;
    if (!source.readValue(name, bytes, sizeof bytes, size) || size != sizeof bytes) return false;
    value = static_cast<std::int32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 |
                                      static_cast<std::uint32_t>(bytes[3]) << 24);
    return true;
}

// A string value is UTF-16, as the registry stores REG_SZ; it ends at its
// first NUL or with the value.
void readString(const SettingsSource& source, const char* name, std::string& field) {
    unsigned char buffer[Settings::kStringCapacity * 2];
    std::uint32_t size = 0;
    if (!source.readValue(name, buffer, sizeof buffer, size)) return;
    std::u16string units;
    for (std::uint32_t i = 0; i + 1 < size && i + 1 < sizeof buffer; i += 2) {
        const char16_t unit = static_cast<char16_t>(buffer[i] | buffer[i + 1] << 8);
        if (unit == 0) break;
        units += unit;
    }
    field = utf16ToUtf8(units);
}

void scale(std::int32_t& field, std::int32_t current, std::int32_t stored) {
    if (field != Settings::kUseDefault) field = mulDiv(field, current, stored);
}
}  // namespace

std::int32_t mulDiv(std::int32_t number, std::int32_t numerator, std::int32_t denominator) {
    if (denominator == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const std::int64_t magnitude = (std::llabs(product) + std::llabs(denominator) / 2) / std::llabs(denominator);
    const std::int64_t result = (product < 0) != (denominator < 0) ? -magnitude : magnitude;
    if (result > std::numeric_limits<std::int32_t>::max() || result < std::numeric_limits<std::int32_t>::min())
        return -1;
    return static_cast<std::int32_t>(result);
}

void Settings::loadFrom(const SettingsSource& source, ScreenSize screen) {
    for (const NumberField& number : kNumbers) readNumber(source, number.name, this->*number.field);

    std::int32_t storedWidth = 0;
    std::int32_t storedHeight = 0;
    readNumber(source, "XRes", storedWidth);
    readNumber(source, "YRes", storedHeight);
    if (storedWidth != 0 && storedHeight != 0) {
        scale(Left, screen.width, storedWidth);
        scale(Width, screen.width, storedWidth);
        scale(Top, screen.height, storedHeight);
        scale(Height, screen.height, storedHeight);
    }

    for (const StringField& text : kStrings) readString(source, text.name, this->*text.field);
    for (std::size_t i = 0; i < kRecentFileCount; ++i) readString(source, kRecentNames[i], RecentFiles[i]);
    std::stable_partition(RecentFiles.begin(), RecentFiles.end(),
                          [](const std::string& path) { return !path.empty(); });
}

void Settings::saveTo(SettingsSink& sink, ScreenSize screen) const {
    for (const NumberField& number : kNumbers)
        sink.writeNumber(number.name, static_cast<std::uint32_t>(this->*number.field));
    sink.writeNumber("XRes", static_cast<std::uint32_t>(screen.width));
    sink.writeNumber("YRes", static_cast<std::uint32_t>(screen.height));
    for (const StringField& text : kStrings) sink.writeString(text.name, this->*text.field);
    for (std::size_t i = 0; i < kRecentFileCount; ++i) sink.writeString(kRecentNames[i], RecentFiles[i]);
}

void Settings::removeRecentFile(const std::string& path) {
    const auto end = std::remove_if(RecentFiles.begin(), RecentFiles.end(),
                                    [&](const std::string& known) { return equalsIgnoringAsciiCase(known, path); });
    std::fill(end, RecentFiles.end(), std::string());
}

void Settings::addRecentFile(const std::string& path) {
    if (path.empty()) return;
    removeRecentFile(path);
    std::rotate(RecentFiles.begin(), RecentFiles.end() - 1, RecentFiles.end());
    RecentFiles.front() = path;
}
