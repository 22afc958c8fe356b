#include "core/settings.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "test_files.h"

namespace {
// An in-memory store with the registry's rules: a value larger than the
// reader's buffer is not read.
class MemorySource : public SettingsSource {
public:
    std::map<std::string, std::string> values;

    void setNumber(const std::string& name, std::uint32_t value) {
        values[name] = std::string{char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
    }
    bool readValue(const char* name, void* buffer, std::uint32_t capacity, std::uint32_t& size) const override {
        auto found = values.find(name);
        if (found == values.end() || found->second.size() > capacity) return false;
        found->second.copy(static_cast<char*>(buffer), capacity);
        size = static_cast<std::uint32_t>(found->second.size());
        return true;
    }
};

class RecordingSink : public SettingsSink {
public:
    std::vector<std::pair<std::string, std::string>> writes;
    void writeNumber(const char* name, std::uint32_t n) override { writes.emplace_back(name, std::to_string(n)); }
    void writeString(const char* name, const std::string& s) override { writes.emplace_back(name, "\"" + s + "\""); }
};

constexpr ScreenSize kScreen{1280, 1024};
}  // namespace

TEST(Settings, GeometryIsScaledToTheCurrentScreen) {
    constexpr std::uint32_t kChosen = 0x80000000u;  // left to the system: never scaled
    struct Case {
        std::uint32_t left, width, xRes, yRes;
        std::array<std::int32_t, 4> expected;  // left, top, width, height
    };
    const Case cases[] = {
        {100, 800, 1024, 768, {125, 67, 1000, 800}},  // stored at 1024 x 768
        {100, 800, 0, 768, {100, 50, 800, 600}},      // no width stored: taken as it is
        {100, 800, 1024, 0, {100, 50, 800, 600}},
        {100, 800, 1280, 1024, {100, 50, 800, 600}},
        {kChosen, kChosen, 640, 480, {Settings::kUseDefault, 107, Settings::kUseDefault, 1280}},
    };
    for (const Case& c : cases) {
        MemorySource source;
        source.setNumber("Left", c.left);
        source.setNumber("Top", 50);
        source.setNumber("Width", c.width);
        source.setNumber("Height", 600);
        if (c.xRes) source.setNumber("XRes", c.xRes);
        if (c.yRes) source.setNumber("YRes", c.yRes);
        Settings loaded;
        loaded.loadFrom(source, kScreen);
        EXPECT_EQ(c.expected, (std::array<std::int32_t, 4>{loaded.Left, loaded.Top, loaded.Width, loaded.Height}))
            << c.left << " at " << c.xRes << "x" << c.yRes;
    }
}

// Run against the memory store and, on Windows, the registry itself.
TEST(Settings, ValuesOfTheWrongSizeKeepTheField) {
    MemorySource source;
    source.values["FontSize"] = std::string("\x64\0", 2);          // shorter than a number
    source.values["FontWeight"] = std::string("\x2c\x01\0\0\0", 5);  // longer than a number
    source.values["FontName"] = utf16Bytes(std::u16string(261, u'A'));  // longer than 260 units
    source.values["LastTemplate"] = utf16Bytes(std::u16string(260, u'\x0411'));  // exactly 260, no NUL
    source.values["LastExport"] = utf16Bytes(std::u16string(u"out\x00E9.txt\0junk", 13));
    source.setNumber("Language", 0x407);
    source.setNumber("Maximized", 1);
    source.values["Recent2"] = utf16Bytes(std::u16string(u"C:\\b.lhv\0", 9));  // read without the gap before it
    std::string bes;
    for (int i = 0; i < 260; ++i) bes += "\xD0\x91";  // Б
    for (bool registry : {false, true}) {
        Settings loaded;
        loaded.FontName = "Tahoma";
        if (!registry) {
            loaded.loadFrom(source, kScreen);
        } else {
#ifdef _WIN32
            ::RegDeleteTreeA(HKEY_CURRENT_USER, Settings::kRegistryKey);
            for (const auto& [name, bytes] : source.values)
                ::RegSetKeyValueA(HKEY_CURRENT_USER, Settings::kRegistryKey, name.c_str(), REG_BINARY, bytes.data(),
                                  static_cast<DWORD>(bytes.size()));
            loaded.load();
            ::RegDeleteTreeA(HKEY_CURRENT_USER, Settings::kRegistryKey);
#else
            continue;
#endif
        }
        EXPECT_EQ(80, loaded.FontSize) << registry;
        EXPECT_EQ(400, loaded.FontWeight) << registry;
        EXPECT_EQ("Tahoma", loaded.FontName) << registry;
        EXPECT_EQ(bes, loaded.LastTemplate) << registry;
        EXPECT_EQ("out\xC3\xA9.txt", loaded.LastExport) << registry;
        EXPECT_EQ(0x407, loaded.Language) << registry;
        EXPECT_EQ(1, loaded.Maximized) << registry;
        EXPECT_EQ((std::array<std::string, 4>{"C:\\b.lhv", "", "", ""}), loaded.RecentFiles) << registry;
    }
}

TEST(Settings, SaveWritesEveryValueInOrder) {
    Settings saved;
    saved.Left = 7;
    saved.MaxURL = 5;
    // The menu's switches: any non-zero value becomes 0, and 0 becomes 1.
    Settings::toggle(saved.MaxURL);
    Settings::toggle(saved.AutoSave);
    saved.FontName = "Verdana";
    saved.RecentFiles = {"B", "e", "d", "c"};
    RecordingSink sink;
    saved.saveTo(sink, {1024, 768});
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Left", "7"},          {"Top", "2147483648"},  {"Width", "2147483648"}, {"Height", "2147483648"},
        {"Descr", "0"},         {"MaxURL", "0"},        {"MinOnUse", "1"},       {"AutoSave", "1"},
        {"FontSize", "80"},     {"FontWeight", "400"},  {"FontItalic", "0"},     {"FontScript", "1"},
        {"SearchFlags", "13"},  {"Language", "0"},      {"Maximized", "0"},      {"XRes", "1024"},
        {"YRes", "768"},        {"FontName", "\"Verdana\""}, {"LastTemplate", "\"\""}, {"LastExport", "\"\""},
        {"Recent1", "\"B\""}, {"Recent2", "\"e\""},   {"Recent3", "\"d\""},  {"Recent4", "\"c\""},
    };
    EXPECT_EQ(expected, sink.writes);
}

#ifdef _WIN32
// Against the registry of the test's own prefix under Wine.
TEST(SettingsRegistry, RoundTripAtTheSameScreen) {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, Settings::kRegistryKey);
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
    // C:\Закладки 书签\🔥.lht: no ANSI code page holds it.
    saved.LastTemplate = "C:\\\xD0\x97\xD0\xB0\xD0\xBA\xD0\xBB\xD0\xB0\xD0\xB4\xD0\xBA\xD0\xB8 \xE4\xB9\xA6\xE7\xAD\xBE"
                         "\\\xF0\x9F\x94\xA5.lht";
    ASSERT_EQ(0, saved.save());
    Settings loaded;
    loaded.load();
    RecordingSink written, read;
    saved.saveTo(written, kScreen);
    loaded.saveTo(read, kScreen);
    EXPECT_EQ(written.writes, read.writes);

    // An empty string is REG_SZ with its NUL.
    char value[16];
    DWORD type = 0, size = sizeof value;
    ASSERT_EQ(ERROR_SUCCESS, ::RegGetValueA(HKEY_CURRENT_USER, Settings::kRegistryKey, "LastExport",
                                            RRF_RT_ANY | RRF_NOEXPAND, &type, value, &size));
    EXPECT_EQ(std::string("\0", 1), std::string(value, size));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, Settings::kRegistryKey);
}

// Windows' own MulDiv is the measure: rounding halves away from zero, -1 on
// a zero divisor or an overflow. Natively, the geometry test above scales through it.
TEST(MulDiv, AgreesWithWindows) {
    const int numbers[] = {0, 1, -1, 7, -7, 50, 100, 333, -333, 100000, INT_MAX, INT_MIN + 1};
    const int factors[] = {0, 1, 2, 3, 96, 720, 768, 1024, -5};
    for (int number : numbers)
        for (int numerator : factors)
            for (int denominator : factors)
                EXPECT_EQ(::MulDiv(number, numerator, denominator), mulDiv(number, numerator, denominator))
                    << number << " * " << numerator << " / " << denominator;
}
#endif
