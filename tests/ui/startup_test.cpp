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

namespace {
const char kSettingsKey[] = "Software\\Oakbridge\\Linkhaven";

std::string windowsPath(const std::string& path) {
    wchar_t full[MAX_PATH] = L"";
    ::GetFullPathNameW(wideText(path).c_str(), std::size(full), full, nullptr);
    return narrowText(full);
}

// The document type is written as REG_SZ with the W functions, and read back the same way.
std::string classesRootValue(const char* key) {
    wchar_t value[512] = L"";
    DWORD size = sizeof value;
    if (::RegGetValueW(HKEY_CLASSES_ROOT, wideText(key).c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return "(missing)";
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
        if (process_.hProcess) {
            ::TerminateProcess(process_.hProcess, 1);
            ::CloseHandle(process_.hProcess);
            ::CloseHandle(process_.hThread);
        }
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    }

    // Starts the program with `arguments` after its name.
    void start(const std::string& arguments) {
        std::wstring commandLine = wideText("\"" + windowsPath(program_) + "\" " + arguments);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        ASSERT_TRUE(::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                     &startup, &process_));
    }
    HWND mainWindow() { return awaitWindow(process_.dwThreadId, "Linkhaven"); }
    // Closes the window and waits for the program to end; answers its exit code.
    DWORD close(HWND window) {
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(process_.hProcess, 20000));
        DWORD code = 99;
        ::GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

    TemporaryFolder folder_;
    std::string program_ = LINKHAVEN_PROGRAM_DIR "/linkhaven.exe";
    PROCESS_INFORMATION process_{};
};

std::string saveCollectionTitled(const std::string& path, const std::string& title) {
    Collection c;
    c.setTitle(&c, title);
    c.save(path);
    return path;
}
}  // namespace

TEST_F(Startup, SettingsComeBackAtExitWithEnglishForALanguageWithoutModule) {
    const DWORD japanese = 0x411, searchFlags = 0x13;
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetKeyValueA(HKEY_CURRENT_USER, kSettingsKey, "Language", REG_DWORD, &japanese,
                                               sizeof japanese));
    ::RegSetKeyValueA(HKEY_CURRENT_USER, kSettingsKey, "SearchFlags", REG_DWORD, &searchFlags, sizeof searchFlags);
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "LinkhavenDoc");

    start("");
    HWND window = mainWindow();
    ASSERT_NE(nullptr, window);
    EXPECT_EQ("Linkhaven", windowCaption(window));
    EXPECT_EQ(0u, close(window));
    EXPECT_EQ(0x409u, storedNumber("Language"));
    EXPECT_EQ(0x13u, storedNumber("SearchFlags"));  // through the search and back

    EXPECT_EQ("LinkhavenDoc", classesRootValue(".lhv"));
    EXPECT_EQ("Linkhaven collection", classesRootValue("LinkhavenDoc"));
    const std::string command = classesRootValue("LinkhavenDoc\\shell\\open\\command");
    EXPECT_EQ('"', command.front()) << command;  // the program's path may hold blanks
    EXPECT_NE(std::string::npos, command.find("linkhaven.exe\" \"%1\"")) << command;
    EXPECT_NE(std::string::npos, classesRootValue("LinkhavenDoc\\DefaultIcon").find("linkhaven.exe,0"));
}

TEST_F(Startup, AQuotedPathWithABlankOpensThatFile) {
    const std::string folder = folder_.file("My Files");
    ::CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = saveCollectionTitled(folder + "\\c.lhv", "Spaced out");
    start("\"" + windowsPath(path) + "\" ignored words");
    HWND window = mainWindow();
    ASSERT_NE(nullptr, window);
    EXPECT_EQ("Spaced out", windowCaption(window));
    EXPECT_EQ(0u, close(window));
}

TEST_F(Startup, AnUnquotedPathWithABlankIsCutThereAndReported) {
    // "Мои файлы": the command line reaches the program whole in any script.
    const std::string folder = folder_.path() + "\\\xD0\x9C\xD0\xBE\xD0\xB8 \xD1\x84\xD0\xB0\xD0\xB9\xD0\xBB\xD1\x8B";
    ::CreateDirectoryW(wideText(folder).c_str(), nullptr);
    const std::string path = saveCollectionTitled(folder + "\\c.lhv", "never shown");
    start(windowsPath(path));
    HWND box = awaitWindow(process_.dwThreadId, "#32770");
    ASSERT_NE(nullptr, box);
    EXPECT_NE(std::string::npos, messageBoxText(box).find("\\\xD0\x9C\xD0\xBE\xD0\xB8\" was not found")) << messageBoxText(box);
    pressButton(box, IDOK);
    HWND window = mainWindow();
    ASSERT_NE(nullptr, window);
    EXPECT_EQ("Linkhaven", windowCaption(window));
    EXPECT_EQ(0u, close(window));
}
