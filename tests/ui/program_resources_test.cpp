// linkhaven.exe's own resources: icon, manifest and the version record the
// About box reads, in English and German.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "ui/dialogs/about_dialog.h"
#include "ui/resource_ids.h"

namespace {
const std::string kProgram = std::string(LINKHAVEN_PROGRAM_DIR) + "/linkhaven.exe";
}  // namespace

TEST(ProgramResources, IconInEverySizeAndAManifestAskingForVisualStylesAndSystemDpi) {
    HMODULE program = ::LoadLibraryExA(kProgram.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(nullptr, program);
    for (int size : {16, 32, 48}) {
        HICON icon = static_cast<HICON>(::LoadImageW(program, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, size, size, 0));
        ASSERT_NE(nullptr, icon) << size;
        ICONINFO info;
        ASSERT_TRUE(::GetIconInfo(icon, &info));
        BITMAP bitmap;
        ::GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(size, bitmap.bmWidth);
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
        ::DestroyIcon(icon);
    }

    HRSRC found = ::FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(nullptr, found);
    const char* data = static_cast<const char*>(::LockResource(::LoadResource(program, found)));
    const std::string manifest(data, ::SizeofResource(program, found));
    ::FreeLibrary(program);
    EXPECT_NE(std::string::npos, manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
    EXPECT_NE(std::string::npos,
              manifest.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>"));
}

TEST(ProgramVersion, AboutTextsInBothLanguages) {
    const auto english = readAboutTexts(kProgram, 0x409);
    ASSERT_TRUE(english.has_value());
    EXPECT_EQ("Linkhaven 0.1", english->product);
    EXPECT_EQ("Copyright \xC2\xA9 2026 Oakbridge. All rights reserved.", english->copyright);
    const auto german = readAboutTexts(kProgram, 0x407);
    ASSERT_TRUE(german.has_value());
    EXPECT_EQ("Copyright \xC2\xA9 2026 Oakbridge. Alle Rechte vorbehalten.", german->copyright);
    const auto french = readAboutTexts(kProgram, 0x40C);  // no French block: the first one
    ASSERT_TRUE(french.has_value());
    EXPECT_EQ(english->copyright, french->copyright);
}
