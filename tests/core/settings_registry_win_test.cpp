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

TEST(MulDivAgainstWindows, AgreesWithTheSystem) {
    const int numbers[] = {0, 1, -1, 7, -7, 50, 100, 333, -333, 100000, INT_MAX, INT_MIN + 1};
    const int factors[] = {1, 2, 3, 96, 720, 768, 1024, -5};
    for (int number : numbers)
        for (int numerator : factors)
            for (int denominator : factors)
                EXPECT_EQ(::MulDiv(number, numerator, denominator), mulDiv(number, numerator, denominator))
                    << number << " * " << numerator << " / " << denominator;
}
