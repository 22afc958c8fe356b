// comctl32.dll is no KnownDLL: a copy planted beside the program (and in its
// current folder) must not run, though the tree view needs the library at
// start. (version.dll cannot be tried so under Wine: Wine's own user32 imports
// it, and so loads a planted copy into every program; Windows' user32 is a
// KnownDLL, whose dependents come from the system folder.)

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "dialog_driver.h"
#include "test_files.h"

TEST(PlantedLibraries, DoNotRunBesideACopyOfTheProgram) {
    TemporaryFolder folder;
    const std::string program = folder.file("linkhaven-planted.exe"), from = LINKHAVEN_PROGRAM_DIR "/";
    ASSERT_TRUE(::CopyFileA((from + "linkhaven.exe").c_str(), program.c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA((from + "lang-en.dll").c_str(), folder.file("lang-en.dll").c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA(PLANTED_LIBRARY, folder.file("comctl32.dll").c_str(), FALSE));
    // Wine prefers its own libraries: for this copy only, Windows' order, the program's folder first.
    const char* const overrides = "Software\\Wine\\AppDefaults\\linkhaven-planted.exe";
    ::RegSetKeyValueA(HKEY_CURRENT_USER, (overrides + std::string("\\DllOverrides")).c_str(), "comctl32", REG_SZ,
                      "native,builtin", 15);
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 folder.path().c_str(), &startup, &process));
    EXPECT_NE(nullptr, awaitWindow(process.dwThreadId, "Linkhaven"));
    ::TerminateProcess(process.hProcess, 0);
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, overrides);
    EXPECT_FALSE(fileExists(folder.file("comctl32.dll.ran")));
}
