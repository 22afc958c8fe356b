#include "export/oem_conversion.h"

#include <gtest/gtest.h>

#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

TEST(OemConversion, MapsCodePage1252To437ByteForByte) {
    std::string text = "Caf\xE9 \xC4rger \xDF \xA3 \xB0 \x80 \x93quoted\x94 \x8A \x81 plain";
    const std::size_t size = text.size();
    convertWindows1252ToOem437(text.data(), text.size());
    EXPECT_EQ(size, text.size());
    // é ä-capital ß £ ° exist in 437; € and the undefined 0x81 do not; curly
    // quotes and Š fall back to look-alikes.
    EXPECT_EQ("Caf\x82 \x8Erger \xE1 \x9C \xF8 ? \"quoted\" S ? plain", text);

    std::string ascii;
    for (int c = 0; c < 0x80; ++c) ascii += static_cast<char>(c);
    std::string converted = ascii;
    convertWindows1252ToOem437(converted.data(), converted.size());
    EXPECT_EQ(ascii, converted);
}

// Under Wine (LC_ALL=C) and on a Western European Windows the system's
// conversion is the pair 1252 to 437, which must agree with the table used
// where there is no system conversion.
TEST(OemConversion, TheSystemConversionKeepsTheLength) {
    std::string all;
    for (int c = 0; c < 0x100; ++c) all += static_cast<char>(c);
    std::string system = all;
    convertAnsiToOem(system.data(), system.size());
    ASSERT_EQ(all.size(), system.size());
    std::string table = all;
    convertWindows1252ToOem437(table.data(), table.size());
#ifdef _WIN32
    if (::GetACP() != 1252 || ::GetOEMCP() != 437) GTEST_SKIP() << "another pair of code pages";
#endif
    EXPECT_EQ(table, system);
}
