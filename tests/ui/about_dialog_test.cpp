// The About box reads this test program's own version resource (2.10 build 7,
// English and German), as the real box reads linkhaven.exe's.

#include "ui/dialogs/about_dialog.h"

#include <gtest/gtest.h>

#include "dialog_driver.h"
#include "ui/shell/language_modules.h"
#include "ui/resource_ids.h"
#include "ui/shell/ui_services.h"

namespace {
struct Shown {
    std::string product, copyright;
};

Shown showAboutAndRead() {
    Shown shown;
    DialogDriver driver({[&](HWND dialog) {
        shown.product = windowText(::GetDlgItem(dialog, IDC_ABOUT_PRODUCT));
        shown.copyright = windowText(::GetDlgItem(dialog, IDC_ABOUT_COPYRIGHT));
        pressButton(dialog, IDOK);
    }});
    showAbout(nullptr);
    EXPECT_EQ(1u, driver.stepsRun());
    return shown;
}
}  // namespace

TEST(AboutBox, ShowsVersionAndNoticeInTheLanguageInUse) {
    languageModules() = LanguageModules(LINKHAVEN_PROGRAM_DIR);
    Shown english = showAboutAndRead();
    EXPECT_EQ("Linkhaven Test 2.1-07", english.product);
    EXPECT_EQ("Copyright (C) 2026 Oakbridge", english.copyright);

    ASSERT_TRUE(languageModules().select(languageModules().findByLangId(0x407)));
    Shown german = showAboutAndRead();
    EXPECT_EQ("Linkhaven Test (deutsch) 2.1-07", german.product);
    EXPECT_EQ("Copyright (C) 2026 Oakbridge, alle Rechte vorbehalten", german.copyright);
}

TEST(AboutBox, FileWithoutVersionResourceGivesNothing) {
    EXPECT_FALSE(readAboutTexts(std::string(LINKHAVEN_PROGRAM_DIR) + "/lang-en.dll", 0x409).has_value());
}
