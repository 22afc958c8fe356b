// linkhaven.exe started as the user starts it: with settings in the registry
// and a command line, closed again through its window.

#include <gtest/gtest.h>
#include <windows.h>

#include <iterator>
#include <string>

#include "core/collection.h"
#include "core/wide_text_win.h"
#include "dialog_driver.h"
#include "test_files.h"
#include "ui/shell/ui_services.h"

namespace {
const char kSettingsKey[] = "Software\\Oakbridge\\Linkhaven";

std::string windowsPath(const std::string& path) {
    wchar_t full[MAX_PATH] = L"";
    ::GetFullPathNameW(wideText(path).c_str(), std::size(full), full, nullptr);
    return narrowText(full);
}

// The document type is written as REG_SZ with the W functions, and read back the same way.
std::string classesRootValue(const char* key) {
    wchar_t value[512] = L"(missing)";
    DWORD size = sizeof value;
    ::RegGetValueW(HKEY_CLASSES_ROOT, wideText(key).c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size);
    return narrowText(value);
}

DWORD storedNumber(const char* name) {
    DWORD value = 0, size = sizeof value;
    ::RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

class Startup : public testing::Test {
protected:
    void SetUp() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey); }
    void TearDown() override {
        end();
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    }

    void end() {
        if (!process_.hProcess) return;
        ::TerminateProcess(process_.hProcess, 1);
        ::CloseHandle(process_.hProcess);
        ::CloseHandle(process_.hThread);
        process_ = {};
    }

    TemporaryFolder folder_;
    std::string program_ = LINKHAVEN_PROGRAM_DIR "/linkhaven.exe";
    PROCESS_INFORMATION process_{};
};
}  // namespace

// Started with a quoted path holding a blank (the file opens), and with that
// path unquoted (cut at the blank and reported, whole in any script: the
// folder is "Мои файлы"). The settings come back at exit, English for a
// language without module, and the document type is registered.
TEST_F(Startup, CommandLinesOpenTheirFileAndSettingsAndTheDocumentTypeAreStoredAtExit) {
    const DWORD japanese = 0x411, searchFlags = 0x13;
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetKeyValueA(HKEY_CURRENT_USER, kSettingsKey, "Language", REG_DWORD, &japanese,
                                               sizeof japanese));
    ::RegSetKeyValueA(HKEY_CURRENT_USER, kSettingsKey, "SearchFlags", REG_DWORD, &searchFlags, sizeof searchFlags);
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "LinkhavenDoc");
    const std::string folder = folder_.path() + "\\\xD0\x9C\xD0\xBE\xD0\xB8 \xD1\x84\xD0\xB0\xD0\xB9\xD0\xBB\xD1\x8B";
    ASSERT_TRUE(::CreateDirectoryW(wideText(folder).c_str(), nullptr));
    Collection collection;
    collection.setTitle(&collection, "Spaced out");
    ASSERT_TRUE(collection.save(folder + "\\c.lhv"));
    const std::string path = windowsPath(folder + "\\c.lhv");
    const struct {
        std::string arguments, message, caption;  // message: "" for none
    } cases[] = {
        {"\"" + path + "\" ignored words", "", "Spaced out"},
        {path, "\\\xD0\x9C\xD0\xBE\xD0\xB8\" was not found", "Linkhaven"},
    };
    for (const auto& c : cases) {
        end();
        std::wstring commandLine = wideText("\"" + windowsPath(program_) + "\" " + c.arguments);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        ASSERT_TRUE(::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                     &startup, &process_));
        if (!c.message.empty()) {
            HWND box = awaitWindow(process_.dwThreadId, "#32770");
            ASSERT_NE(nullptr, box);
            EXPECT_NE(std::string::npos, messageBoxText(box).find(c.message)) << messageBoxText(box);
            pressButton(box, IDOK);
        }
        HWND window = awaitWindow(process_.dwThreadId, "Linkhaven");
        ASSERT_NE(nullptr, window) << c.arguments;
        EXPECT_EQ(c.caption, windowText(window));
        ::PostMessageW(window, WM_CLOSE, 0, 0);  // the program ends, with code 0
        ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(process_.hProcess, 20000));
        DWORD code = 99;
        ::GetExitCodeProcess(process_.hProcess, &code);
        EXPECT_EQ(0u, code);
    }
    EXPECT_EQ(0x409u, storedNumber("Language"));
    EXPECT_EQ(0x13u, storedNumber("SearchFlags"));  // through the search and back

    EXPECT_EQ("LinkhavenDoc", classesRootValue(".lhv"));
    EXPECT_EQ("Linkhaven collection", classesRootValue("LinkhavenDoc"));
    const std::string command = classesRootValue("LinkhavenDoc\\shell\\open\\command");
    EXPECT_EQ('"', command.front()) << command;  // the program's path may hold blanks
    EXPECT_NE(std::string::npos, command.find("linkhaven.exe\" \"%1\"")) << command;
    EXPECT_NE(std::string::npos, classesRootValue("LinkhavenDoc\\DefaultIcon").find("linkhaven.exe,0"));
}
