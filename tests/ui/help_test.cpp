// Help pages open through the shell's handler for .html files: here a
// recorder program, registered for the test, stands in for the browser.

#include "ui/shell/help.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/argument_record.h"
#include "exchange/recorded_browser.h"
#include "test_files.h"
#include "ui/shell/language_modules.h"

namespace {
std::string besideThisProgram(const std::string& name) {
    char program[MAX_PATH];
    std::string path(program, ::GetModuleFileNameA(nullptr, program, sizeof program));
    return path.substr(0, path.find_last_of('\\') + 1) + name;
}

class Help : public testing::Test {
protected:
    void SetUp() override { languageModules() = LanguageModules(LINKHAVEN_PROGRAM_DIR); }
    void TearDown() override {
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "LinkhavenTestPage");
        for (const std::string& page : pages_) ::DeleteFileA(page.c_str());
    }
    // A help page beside this test program, where the help looks for it.
    std::string placePage(const std::string& name) {
        pages_.push_back(besideThisProgram(name));
        writeFileBytes(pages_.back(), "<html></html>");
        return pages_.back();
    }

    std::vector<std::string> pages_;
    TemporaryFolder folder_;
    const std::string record_ = folder_.file("record.txt");
    const RegistryOverride htmlType_{HKEY_CLASSES_ROOT, ".html", "", "LinkhavenTestPage"};
    const StandInBrowser browser_{record_, "LinkhavenTestPage\\shell\\open\\command"};
};
}  // namespace

TEST_F(Help, TopicOpensItsPage) {
    const std::string page = placePage("linkhaven-en-102.html");
    ASSERT_TRUE(helpTopic(nullptr, 102));
    EXPECT_EQ("show=1\narg=" + page + "\n", awaitArgumentRecord(record_));
}

TEST_F(Help, ContentsOpenTheGermanPageWhenGermanIsChosen) {
    const std::string page = placePage("linkhaven-de.html");
    ASSERT_TRUE(languageModules().select(languageModules().findByLangId(0x407)));
    ASSERT_TRUE(helpContents(nullptr));
    EXPECT_EQ("show=1\narg=" + page + "\n", awaitArgumentRecord(record_));
}

TEST_F(Help, MissingPageFailsWithoutWaiting) {
    EXPECT_FALSE(helpTopic(nullptr, 999));
}
