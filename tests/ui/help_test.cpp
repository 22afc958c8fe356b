// Help pages open through the shell's handler for .html files: here a
// recorder program, registered for the test, stands in for the browser.

#include "ui/shell/help.h"

#include <gtest/gtest.h>

#include <string>

#include "exchange/argument_record.h"
#include "exchange/recorded_browser.h"
#include "test_files.h"
#include "ui/shell/language_modules.h"

// A topic opens its page, the contents open the German page when German is
// chosen (both pages beside this test program, where the help looks for
// them), and a missing page fails without waiting.
TEST(Help, TopicAndContentsOpenTheirPageInTheChosenLanguage) {
    languageModules() = LanguageModules(LINKHAVEN_PROGRAM_DIR);
    TemporaryFolder folder;
    const std::string record = folder.file("record.txt");
    const RegistryOverride htmlType(HKEY_CLASSES_ROOT, ".html", "", "LinkhavenTestPage");
    const StandInBrowser browser(record, "LinkhavenTestPage\\shell\\open\\command");
    char program[MAX_PATH];
    std::string beside(program, ::GetModuleFileNameA(nullptr, program, sizeof program));
    beside.erase(beside.find_last_of('\\') + 1);
    const std::string topic = beside + "linkhaven-en-102.html", contents = beside + "linkhaven-de.html";
    for (const std::string& page : {topic, contents}) writeFileBytes(page, "<html></html>");

    EXPECT_FALSE(helpTopic(nullptr, 999));
    EXPECT_TRUE(helpTopic(nullptr, 102));
    EXPECT_EQ("show=1\narg=" + topic + "\n", awaitArgumentRecord(record));
    ::DeleteFileA(record.c_str());
    EXPECT_TRUE(languageModules().select(languageModules().findByLangId(0x407)));
    EXPECT_TRUE(helpContents(nullptr));
    EXPECT_EQ("show=1\narg=" + contents + "\n", awaitArgumentRecord(record));
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "LinkhavenTestPage");
    for (const std::string& page : {topic, contents}) ::DeleteFileA(page.c_str());
}
