// Help pages open through the shell's handler for .html files: here a
// recorder program, registered for the test, stands in for the browser.

#include "ui/shell/help.h"

#include <gtest/gtest.h>

#include <string>

#include "exchange/argument_record.h"
#include "test_files.h"
#include "ui/shell/language_modules.h"

namespace {
std::string readDefault(const char* key) {
    char value[256];
    DWORD size = sizeof value;
    if (::RegGetValueA(HKEY_CLASSES_ROOT, key, nullptr, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return {};
    return value;
}

void writeDefault(const char* key, const std::string& value) {
    HKEY handle = nullptr;
    ::RegCreateKeyExA(HKEY_CLASSES_ROOT, key, 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr);
    ::RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
    ::RegCloseKey(handle);
}

std::string fullPath(const std::string& path) {
    char full[MAX_PATH];
    ::GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return full;
}

std::string besideThisProgram(const std::string& name) {
    char program[MAX_PATH];
    std::string path(program, ::GetModuleFileNameA(nullptr, program, sizeof program));
    return path.substr(0, path.find_last_of('\\') + 1) + name;
}

class Help : public testing::Test {
protected:
    void SetUp() override {
        languageModules() = LanguageModules(LINKHAVEN_PROGRAM_DIR);
        previousHtmlType_ = readDefault(".html");
        writeDefault(".html", "LinkhavenTestPage");
        writeDefault("LinkhavenTestPage\\shell\\open\\command", "\"" + fullPath(ARGUMENT_RECORDER) + "\" \"%1\"");
        ::SetEnvironmentVariableA("LINKHAVEN_RECORD_FILE", record_.c_str());
    }
    void TearDown() override {
        writeDefault(".html", previousHtmlType_);
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "LinkhavenTestPage");
        for (const std::string& page : pages_) ::DeleteFileA(page.c_str());
    }
    // A help page beside this test program, where the help looks for it.
    std::string placePage(const std::string& name) {
        pages_.push_back(besideThisProgram(name));
        writeFileBytes(pages_.back(), "<html></html>");
        return pages_.back();
    }
    std::string awaitRecord() { return awaitArgumentRecord(record_); }

    std::string previousHtmlType_;
    std::vector<std::string> pages_;
    TemporaryFolder folder_;
    const std::string record_ = folder_.file("record.txt");
};
}  // namespace

TEST_F(Help, TopicOpensItsPage) {
    const std::string page = placePage("linkhaven-en-102.html");
    ASSERT_TRUE(helpTopic(nullptr, 102));
    EXPECT_EQ("show=1\narg=" + page + "\n", awaitRecord());
}

TEST_F(Help, ContentsOpenTheGermanPageWhenGermanIsChosen) {
    const std::string page = placePage("linkhaven-de.html");
    ASSERT_TRUE(languageModules().select(languageModules().findByLangId(0x407)));
    ASSERT_TRUE(helpContents(nullptr));
    EXPECT_EQ("show=1\narg=" + page + "\n", awaitRecord());
}

TEST_F(Help, MissingPageFailsWithoutWaiting) {
    EXPECT_FALSE(helpTopic(nullptr, 999));
}
