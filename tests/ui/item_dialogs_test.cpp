// The item dialogs, driven through their real templates from the English and
// German modules: what OK accepts, what it refuses and where the caret goes.

#include "ui/dialogs/item_dialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/wide_text_win.h"
#include "dialog_driver.h"
#include "tree_text.h"
#include "ui/shell/language_modules.h"
#include "ui/resource_ids.h"
#include "ui/shell/ui_services.h"

namespace {
class ItemDialogs : public testing::Test {
protected:
    void SetUp() override {
        languageModules() = LanguageModules(LINKHAVEN_PROGRAM_DIR);
        ASSERT_EQ("English", languageModules().displayName(languageModules().currentIndex()));
    }
};

std::string controlText(HWND dialog, int id) { return windowText(::GetDlgItem(dialog, id)); }
void setControl(HWND dialog, int id, const std::string& text) { ::SetDlgItemTextW(dialog, id, wideText(text).c_str()); }

// A step that notes a message box's text and caption and confirms it.
DialogDriver::Step answerMessage(std::vector<std::string>& seen) {
    return [&seen](HWND box) {
        seen.push_back(windowText(box) + ": " + messageBoxText(box));
        pressButton(box, IDOK);
    };
}
}  // namespace

// Empty, the link dialog asks for the address first, then the title; filled,
// it shows its fields in any script, and Cancel after a refused OK changes
// nothing. The folder dialog needs a name, keeps the address alone and, in
// the German module, speaks its language.
TEST_F(ItemDialogs, LinkAndFolderAskForWhatTheyNeedCancelAfterARefusedOkChangesNothing) {
    std::vector<std::string> messages;
    std::vector<int> focus;
    ItemFields fields;
    EXPECT_EQ(5u, answered({press(IDOK), answerMessage(messages),
                            [&](HWND dialog) {
                                focus.push_back(::GetDlgCtrlID(::GetFocus()));
                                setControl(dialog, IDC_URL, "http://example.com/a b");
                                pressButton(dialog, IDOK);
                            },
                            answerMessage(messages),
                            [&](HWND dialog) {
                                focus.push_back(::GetDlgCtrlID(::GetFocus()));
                                setControl(dialog, IDC_NAME, "Example");
                                setControl(dialog, IDC_DESCRIPTION, "first line\r\nsecond line");
                                pressButton(dialog, IDOK);
                            }},
                           [&] { EXPECT_TRUE(editLink(nullptr, fields)); }));
    EXPECT_EQ(linkText("Example", "first line\r\nsecond line", "http://example.com/a b"),
              linkText(fields.title, fields.description, fields.url));

    // "Τίτλος" and "http://例え.jp/".
    const std::string title = "\xCE\xA4\xCE\xAF\xCF\x84\xCE\xBB\xCE\xBF\xCF\x82",
                      url = "http://\xE4\xBE\x8B\xE3\x81\x88.jp/";
    fields = {title, "Notes", url};
    std::vector<std::string> shown;
    EXPECT_EQ(3u, answered({[&](HWND dialog) {
                                shown = {controlText(dialog, IDC_NAME), controlText(dialog, IDC_URL),
                                         controlText(dialog, IDC_DESCRIPTION)};
                                setControl(dialog, IDC_NAME, "");
                                setControl(dialog, IDC_DESCRIPTION, "changed");
                                pressButton(dialog, IDOK);
                            },
                            answerMessage(messages), press(IDCANCEL)},
                           [&] { EXPECT_FALSE(editLink(nullptr, fields)); }));
    EXPECT_EQ((std::vector<std::string>{title, url, "Notes"}), shown);
    EXPECT_EQ(linkText(title, "Notes", url), linkText(fields.title, fields.description, fields.url));

    ASSERT_TRUE(languageModules().select(languageModules().findByLangId(0x407)));
    std::string caption;
    const std::string longDescription(5000, 'd');
    fields = {"", "", "untouched"};
    EXPECT_EQ(3u, answered({
        [&](HWND dialog) {
            caption = windowText(dialog);
            pressButton(dialog, IDOK);
        },
        answerMessage(messages),
        [&](HWND dialog) {
            focus.push_back(::GetDlgCtrlID(::GetFocus()));
            setControl(dialog, IDC_NAME, "Reading");
            setControl(dialog, IDC_DESCRIPTION, longDescription);
            pressButton(dialog, IDOK);
        },
    }, [&] { EXPECT_TRUE(editFolder(nullptr, fields)); }));
    EXPECT_EQ("Ordner", caption);
    const std::string english = "Linkhaven: Please fill in this field.";
    const std::string german = "Linkhaven: Bitte f\xC3\xBCllen Sie dieses Feld aus.";  // ü
    EXPECT_EQ((std::vector<std::string>{english, english, english, german}), messages);
    EXPECT_EQ((std::vector<int>{IDC_URL, IDC_NAME, IDC_NAME}), focus);
    EXPECT_EQ(linkText("Reading", longDescription, "untouched"),
              linkText(fields.title, fields.description, fields.url));
}

// Cancel keeps the title; OK takes it even emptied.
TEST_F(ItemDialogs, CollectionTitleIsKeptOnCancelAndMayBeEmptied) {
    std::string title = "My links";
    for (const int button : {IDCANCEL, IDOK}) {
        std::string shown;
        EXPECT_EQ(1u, answered({[&](HWND dialog) {
                                    shown = controlText(dialog, IDC_NAME);
                                    setControl(dialog, IDC_NAME, "");
                                    pressButton(dialog, button);
                                }},
                               [&] { EXPECT_EQ(button == IDOK, editCollectionTitle(nullptr, title)); }));
        EXPECT_EQ("My links", shown);
        EXPECT_EQ(button == IDOK ? "" : "My links", title);
    }
}
