// Settings against the real registry: under Wine, the registry of the test's
// own prefix.

#include "core/settings.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {
// C:\Закладки 书签\🔥.lht: no ANSI code page holds it.
const std::string kScriptsPath =
    "C:\\\xD0\x97\xD0\xB0\xD0\xBA\xD0\xBB\xD0\xB0\xD0\xB4\xD0\xBA\xD0\xB8 \xE4\xB9\xA6\xE7\xAD\xBE\\\xF0\x9F\x94\xA5.lht";

void deleteSettingsKey() { ::RegDeleteTreeA(HKEY_CURRENT_USER, Settings::kRegistryKey); }

HKEY createSettingsKey() {
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, Settings::kRegistryKey, 0, nullptr, 0,
                                               KEY_ALL_ACCESS, nullptr, &key, nullptr));
    return key;
}

void setNumber(HKEY key, const char* name, DWORD value) {
    ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

void setString(HKEY key, const char* name, const std::string& text) {
    ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>(text.size() + 1));
}

std::string rawValue(const char* name, DWORD& type) {
    char buffer[1024];
    DWORD size = sizeof buffer;
    if (::RegGetValueA(HKEY_CURRENT_USER, Settings::kRegistryKey, name, RRF_RT_ANY | RRF_NOEXPAND, &type,
                       buffer, &size) != ERROR_SUCCESS)
        return "<missing>";
    return std::string(buffer, size);
}

class SettingsRegistry : public testing::Test {
protected:
    void SetUp() override { deleteSettingsKey(); }
    void TearDown() override { deleteSettingsKey(); }
};
}  // namespace

TEST_F(SettingsRegistry, NoKeyKeepsTheDefaults) {
    Settings loaded;
    loaded.load();
    EXPECT_EQ(Settings::kUseDefault, loaded.Left);
    EXPECT_EQ(80, loaded.FontSize);
    EXPECT_EQ(13, loaded.SearchFlags);
}

TEST_F(SettingsRegistry, RoundTripAtTheSameScreen) {
    Settings saved;
    saved.Left = 12;
    saved.Top = 34;
    saved.Width = 567;
    saved.Height = 432;
    saved.Descr = 99;
    saved.AutoSave = 1;
    saved.FontItalic = 1;
    saved.Language = 0x407;
    saved.FontName = "Courier New";
    saved.LastTemplate = kScriptsPath;
    ASSERT_EQ(0, saved.save());

    Settings loaded;
    loaded.load();
    EXPECT_EQ(12, loaded.Left);
    EXPECT_EQ(34, loaded.Top);
    EXPECT_EQ(567, loaded.Width);
    EXPECT_EQ(432, loaded.Height);
    EXPECT_EQ(99, loaded.Descr);
    EXPECT_EQ(1, loaded.AutoSave);
    EXPECT_EQ(1, loaded.FontItalic);
    EXPECT_EQ(0x407, loaded.Language);
    EXPECT_EQ("Courier New", loaded.FontName);
    EXPECT_EQ(kScriptsPath, loaded.LastTemplate);
    EXPECT_EQ("", loaded.LastExport);

    DWORD type = 0;
    EXPECT_EQ(std::string("\0", 1), rawValue("LastExport", type));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    const DWORD width = ::GetSystemMetrics(SM_CXSCREEN);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&width), 4), rawValue("XRes", type));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
}

TEST_F(SettingsRegistry, GeometryStoredAtAnotherScreenIsScaled) {
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    HKEY key = createSettingsKey();
    setNumber(key, "Left", 100);
    setNumber(key, "Top", 50);
    setNumber(key, "Width", 800);
    setNumber(key, "Height", 0x80000000u);
    setNumber(key, "XRes", 640);
    setNumber(key, "YRes", 480);
    ::RegCloseKey(key);

    Settings loaded;
    loaded.load();
    EXPECT_EQ(::MulDiv(100, screenWidth, 640), loaded.Left);
    EXPECT_EQ(::MulDiv(50, screenHeight, 480), loaded.Top);
    EXPECT_EQ(::MulDiv(800, screenWidth, 640), loaded.Width);
    EXPECT_EQ(Settings::kUseDefault, loaded.Height);
}

TEST_F(SettingsRegistry, TooLongFontNameKeepsThePreviousName) {
    HKEY key = createSettingsKey();
    setString(key, "FontName", std::string(300, 'F'));
    setString(key, "LastExport", "C:\\out.html");
    ::RegCloseKey(key);

    Settings loaded;
    loaded.FontName = "Arial";
    loaded.load();
    EXPECT_EQ("Arial", loaded.FontName);
    EXPECT_EQ("C:\\out.html", loaded.LastExport);
}

TEST(MulDivAgainstWindows, AgreesWithTheSystem) {
    const int numbers[] = {0, 1, -1, 7, -7, 50, 100, 333, -333, 100000, INT_MAX, INT_MIN + 1};
    const int factors[] = {1, 2, 3, 96, 720, 768, 1024, -5};
    for (int number : numbers)
        for (int numerator : factors)
            for (int denominator : factors)
                EXPECT_EQ(::MulDiv(number, numerator, denominator), mulDiv(number, numerator, denominator))
                    << number << " * " << numerator << " / " << denominator;
}
