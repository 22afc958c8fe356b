// The About box reads this test program's own version resource (2.10 build 7,
// English and German), as the real box reads linkhaven.exe's; and
// linkhaven.exe's own resources: icon, manifest and version record.

#include "ui/dialogs/about_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_driver.h"
#include "ui/shell/language_modules.h"
#include "ui/resource_ids.h"
#include "ui/shell/ui_services.h"

const std::string kProgram = std::string(LINKHAVEN_PROGRAM_DIR) + "/linkhaven.exe";

TEST(AboutBox, ShowsVersionAndNoticeInTheLanguageInUse) {
    languageModules() = LanguageModules(LINKHAVEN_PROGRAM_DIR);
    const struct {
        LANGID language;
        const char *product, *copyright;
    } cases[] = {
        {0x407, "Linkhaven Test (deutsch) 2.1-07", "Copyright (C) 2026 Oakbridge, alle Rechte vorbehalten"},
        {0x409, "Linkhaven Test 2.1-07", "Copyright (C) 2026 Oakbridge"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(languageModules().select(languageModules().findByLangId(c.language)));
        std::string product, copyright;
        EXPECT_EQ(1u, answered({[&](HWND dialog) {
                                    product = windowText(::GetDlgItem(dialog, IDC_ABOUT_PRODUCT));
                                    copyright = windowText(::GetDlgItem(dialog, IDC_ABOUT_COPYRIGHT));
                                    pressButton(dialog, IDOK);
                                }},
                               [] { showAbout(nullptr); }));
        EXPECT_EQ(c.product, product);
        EXPECT_EQ(c.copyright, copyright);
    }
}

TEST(ProgramResources, IconInEverySizeManifestForVisualStylesAndSystemDpiAndVersionTexts) {
    HMODULE program = ::LoadLibraryExA(kProgram.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(nullptr, program);
    // The icon's directory (LoadImageW would stretch the nearest size): a 6-byte
    // header with the count at 4, then 14-byte entries that begin with the width.
    HRSRC group = ::FindResourceW(program, MAKEINTRESOURCEW(IDI_PROGRAM), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_NE(nullptr, group);
    const auto* directory = static_cast<const BYTE*>(::LockResource(::LoadResource(program, group)));
    std::vector<int> widths;
    for (int i = 0; i < directory[4]; ++i) widths.push_back(directory[6 + 14 * i]);
    EXPECT_EQ((std::vector<int>{16, 32, 48}), widths);

    HRSRC found = ::FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(nullptr, found);
    const char* data = static_cast<const char*>(::LockResource(::LoadResource(program, found)));
    const std::string manifest(data, ::SizeofResource(program, found));
    ::FreeLibrary(program);
    EXPECT_NE(std::string::npos, manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
    EXPECT_NE(std::string::npos,
              manifest.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>"));

    // The version record's texts, the first block for a language without one, none from a file without one.
    const auto english = readAboutTexts(kProgram, 0x409);
    ASSERT_TRUE(english.has_value());
    EXPECT_EQ("Linkhaven 0.1", english->product);
    EXPECT_EQ("Copyright \xC2\xA9 2026 Oakbridge. All rights reserved.", english->copyright);
    const auto french = readAboutTexts(kProgram, 0x40C);  // no French block: the first one
    ASSERT_TRUE(french.has_value());
    EXPECT_EQ(english->copyright, french->copyright);
    // A language module has no version record.
    EXPECT_FALSE(readAboutTexts(std::string(LINKHAVEN_PROGRAM_DIR) + "/lang-en.dll", 0x409).has_value());
}
