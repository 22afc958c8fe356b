#include "ui/shell/language_modules.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/wide_text_win.h"
#include "dialog_driver.h"
#include "export/url_export_error.h"
#include "registry_override_win.h"
#include "test_files.h"
#include "ui/shell/help_pages.h"
#include "ui/resource_ids.h"

namespace {
const std::string kProgramFolder = std::string(LINKHAVEN_PROGRAM_DIR) + "/";

void copyInto(const std::string& folder, const std::string& source, const std::string& name) {
    ASSERT_TRUE(::CopyFileW(wideText(source).c_str(), wideText(folder + "\\" + name).c_str(), FALSE)) << source;
}

std::string moduleText(HMODULE module, unsigned id) {
    wchar_t text[256];
    const int length = ::LoadStringW(module, id, text, std::size(text));
    return narrowText(std::wstring_view(text, length > 0 ? length : 0));
}

// The list as "<display name> <LANGID> <file>" lines, the current entry
// marked "*", and the name the loaded module gives itself.
std::string listing(const LanguageModules& modules) {
    std::string out;
    for (int i = 0; i < modules.count(); ++i) {
        char langId[8];
        std::snprintf(langId, sizeof langId, "%#x", modules.langIdAt(i));
        out += (i == modules.currentIndex() ? "*" : "") + modules.displayName(i) + " " + langId + " " +
               modules.fileName(i) + "\n";
    }
    return out + "loaded: " + (modules.module() ? moduleText(modules.module(), IDS_LANGUAGE_NAME) : "none");
}

std::string systemLanguageName(LANGID langId) {
    wchar_t name[64] = L"";
    ::VerLanguageNameW(langId, name, std::size(name));
    return narrowText(name);
}

std::string exportMessage(HMODULE module, DWORD code, const wchar_t* templatePath) {
    const DWORD_PTR inserts[] = {reinterpret_cast<DWORD_PTR>(templatePath), 17,
                                 reinterpret_cast<DWORD_PTR>(L"C:\\out.html")};
    wchar_t text[512];
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_ARGUMENT_ARRAY, module,
                                          IDMSG_EXPORT_ERROR_BASE + code, 0, text, std::size(text),
                                          reinterpret_cast<va_list*>(const_cast<DWORD_PTR*>(inserts)));
    return narrowText(std::wstring_view(text, length));
}

void collectCommands(HMENU menu, std::set<unsigned>& commands, std::set<unsigned>& popupFirstItems) {
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        if (HMENU popup = ::GetSubMenu(menu, i)) {
            popupFirstItems.insert(::GetMenuItemID(popup, 0));
            collectCommands(popup, commands, popupFirstItems);
        } else {
            commands.insert(::GetMenuItemID(menu, i));
        }
    }
}
}  // namespace

// Each folder also holds a file posing as a DLL and a file that only starts
// like one's name, which are never listed; no module's code ever runs.
TEST(LanguageModules, ListsTheModulesSortedAndLoadsTheFirstEnglishOne) {
    const std::string de = kProgramFolder + "lang-de.dll", en = kProgramFolder + "lang-en.dll";
    const struct {
        const char* name;
        std::vector<std::pair<std::string, const char*>> files;  // source, name in the folder
        std::string expected;
    } cases[] = {
        {"English first though not first in the list",
         {{de, "lang-de.dll"}, {en, "lang-en.dll"}, {ENTRY_POINT_PROBE, "probe.dll"}},
         "Deutsch 0x407 lang-de.dll\n*English 0x409 lang-en.dll\nItaliano (probe) 0x410 probe.dll\nloaded: English"},
        {"without English the first in the list",
         {{ENTRY_POINT_PROBE, "zz-probe.dll"}, {de, "lang-de.dll"}},
         "*Deutsch 0x407 lang-de.dll\nItaliano (probe) 0x410 zz-probe.dll\nloaded: Deutsch"},
        {"the English module found first, though its name sorts after",
         {{CUSTOM_ENGLISH, "a-english.dll"}, {en, "lang-en.dll"}},
         "English 0x409 lang-en.dll\n*US English, plain words 0x409 a-english.dll\nloaded: US English, plain words"},
        {"a module lacking what the program loads is skipped",  // taken, it would leave the program without a window
         {{STRINGS_ONLY_MODULE, "a-english.dll"}, {en, "lang-en.dll"}},
         "*English 0x409 lang-en.dll\nloaded: English"},
        {"a LANGID in decimal and no name: the system's name; no LANGID: skipped",
         {{UNNAMED_MODULE, "unnamed.dll"}, {NO_LANGUAGE_ID, "nameless.dll"}},
         "*" + systemLanguageName(0x407) + " 0x407 unnamed.dll\nloaded: "},
        {"no module", {}, "loaded: none"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TemporaryFolder folder;
        for (const auto& [source, name] : c.files) copyInto(folder.path(), source, name);
        writeFileBytes(folder.file("broken.dll"), "MZ this is not a module");
        writeFileBytes(folder.file("readme.dll.txt"), "not a DLL at all");
        LanguageModules modules(folder.path());
        EXPECT_EQ(c.expected, listing(modules));
        EXPECT_EQ(modules.currentIndex(), modules.defaultIndex());
        EXPECT_FALSE(modules.select(modules.count()));
        EXPECT_EQ(c.files.size() + 2, folder.entryCount());  // no "<name>.ran" beside a module
    }
}

TEST(LanguageModules, SelectLoadsTheChosenModuleWithoutRunningIt) {
    TemporaryFolder folder;
    for (const char* module : {"lang-de.dll", "lang-en.dll"}) copyInto(folder.path(), kProgramFolder + module, module);
    copyInto(folder.path(), ENTRY_POINT_PROBE, "probe.dll");
    LanguageModules modules(folder.path());
    EXPECT_EQ(1, modules.findByLangId(0xABCD0409));  // only the low 16 bits count

    EXPECT_FALSE(modules.select(1));  // already current
    EXPECT_TRUE(modules.select(0));
    EXPECT_EQ("*Deutsch 0x407 lang-de.dll\nEnglish 0x409 lang-en.dll\nItaliano (probe) 0x410 probe.dll\nloaded: Deutsch",
              listing(modules));
    EXPECT_TRUE(modules.select(2));
    EXPECT_EQ("0x410", moduleText(modules.module(), IDS_LANGUAGE_ID));
    EXPECT_FALSE(fileExists(folder.file("probe.dll.ran")));

    // Shows that the probe would have left its mark had it been run (its path in ANSI, so an ASCII folder).
    copyInto(folder.path(), ENTRY_POINT_PROBE, "run.dll");
    HMODULE library = ::LoadLibraryA(folder.file("run.dll").c_str());
    ASSERT_NE(nullptr, library);
    ::FreeLibrary(library);
    EXPECT_TRUE(fileExists(folder.file("run.dll.ran")));
}

TEST(LanguageModules, FoldersAndFilesNamedInAnyScriptAreFound) {
    TemporaryFolder folder;
    const std::string inner = folder.path() + "\\\xD0\xAF\xD0\xB7\xD1\x8B\xD0\xBA";  // Язык
    ASSERT_TRUE(::CreateDirectoryW(wideText(inner).c_str(), nullptr));
    copyInto(inner, kProgramFolder + "lang-de.dll", "\xD0\xBD\xD0\xB5\xD0\xBC.dll");  // нем.dll
    EXPECT_EQ("*Deutsch 0x407 \xD0\xBD\xD0\xB5\xD0\xBC.dll\nloaded: Deutsch", listing(LanguageModules(inner)));
}

// comctl32.dll is no KnownDLL: a copy planted beside the program (and in its
// current folder) must not run, though the tree view needs the library at
// start. (version.dll cannot be tried so under Wine: Wine's own user32 imports
// it, and so loads a planted copy into every program; Windows' user32 is a
// KnownDLL, whose dependents come from the system folder.)
TEST(PlantedLibraries, DoNotRunBesideACopyOfTheProgram) {
    TemporaryFolder folder;
    copyInto(folder.path(), kProgramFolder + "linkhaven.exe", "linkhaven-planted.exe");
    copyInto(folder.path(), kProgramFolder + "lang-en.dll", "lang-en.dll");
    copyInto(folder.path(), PLANTED_LIBRARY, "comctl32.dll");
    // Wine prefers its own libraries: for this copy only, Windows' order, the program's folder first.
    const RegistryOverride order(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\linkhaven-planted.exe\\DllOverrides",
                                 "comctl32", "native,builtin");
    std::string commandLine = "\"" + folder.file("linkhaven-planted.exe") + "\"";
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
    EXPECT_FALSE(fileExists(folder.file("comctl32.dll.ran")));
}

class ShippedModule : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        module_ = ::LoadLibraryExW(wideText(kProgramFolder + GetParam()).c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(nullptr, module_);
    }
    void TearDown() override {
        if (module_) ::FreeLibrary(module_);
    }
    HMODULE module_ = nullptr;
};

TEST_P(ShippedModule, HasEveryString) {
    for (const auto& [first, last] : {std::pair(IDS_APP_TITLE, IDS_LAST_STRING),
                                      std::pair(IDS_FIRST_EDGE_STRING, IDS_LAST_EDGE_STRING)})
        for (int id = first; id <= last; ++id) EXPECT_FALSE(moduleText(module_, id).empty()) << "string " << id;
}

TEST_P(ShippedModule, MainMenuHoldsEveryCommandAndBothLists) {
    HMENU menu = ::LoadMenuW(module_, MAKEINTRESOURCEW(IDM_MAIN));
    ASSERT_NE(nullptr, menu);
    std::set<unsigned> commands, popupFirstItems;
    collectCommands(menu, commands, popupFirstItems);
    ::DestroyMenu(menu);
    const unsigned expected[] = {IDM_EXIT, IDM_ABOUT, IDM_SAVE_AS, IDM_HELP, IDM_NEW_FOLDER,
                                 IDM_COLLECTION_TITLE, IDM_NEW_COLLECTION, IDM_OPEN, IDM_SAVE,
                                 IDM_NEW_LINK, IDM_DELETE, IDM_PROPERTIES, IDM_SWITCH_PANE, IDM_CUT,
                                 IDM_COPY, IDM_PASTE, IDM_RENAME, IDM_FONT, IDM_MINIMIZE_ON_USE,
                                 IDM_MAXIMIZED_BROWSER, IDM_SAVE_AUTOMATICALLY, IDM_FIND, IDM_FIND_NEXT,
                                 IDM_EXPORT, IDM_SORT};
    for (unsigned command : expected) EXPECT_EQ(1u, commands.count(command)) << "command " << command;
    EXPECT_EQ(1u, popupFirstItems.count(IDM_LANGUAGE_FIRST));
    EXPECT_EQ(1u, popupFirstItems.count(IDM_BROWSER_WINDOW_FIRST));

    HMENU context = ::LoadMenuW(module_, MAKEINTRESOURCEW(IDM_TREE_CONTEXT));
    ASSERT_NE(nullptr, context);
    EXPECT_NE(nullptr, ::GetSubMenu(context, 0));
    ::DestroyMenu(context);
}

// The keys are the English module's: a translation changes texts, never keys.
TEST_P(ShippedModule, AcceleratorsAreTheEnglishOnes) {
    const auto keysOf = [](HMODULE module) {
        ACCEL keys[64];
        const int count = ::CopyAcceleratorTableW(::LoadAcceleratorsW(module, MAKEINTRESOURCEW(IDA_MAIN)), keys, 64);
        std::set<std::tuple<int, int, int>> present;  // modifiers, key, command
        for (int i = 0; i < count; ++i) present.insert({keys[i].fVirt, keys[i].key, keys[i].cmd});
        return present;
    };
    HMODULE english = ::LoadLibraryExW(wideText(kProgramFolder + "lang-en.dll").c_str(), nullptr,
                                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    EXPECT_LE(13u, keysOf(english).size());
    EXPECT_EQ(keysOf(english), keysOf(module_));
    // F1 is left to the help message, or the help page would open twice.
    for (const auto& [modifiers, key, command] : keysOf(module_)) EXPECT_NE(VK_F1, key) << command;
    ::FreeLibrary(english);
}

TEST_P(ShippedModule, HasImagesDialogsAndMessages) {
    HBITMAP images = static_cast<HBITMAP>(
        ::LoadImageW(module_, MAKEINTRESOURCEW(IDB_TREE_IMAGES), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(nullptr, images);
    BITMAP info;
    ::GetObjectW(images, sizeof info, &info);
    EXPECT_EQ(48, info.bmWidth);
    EXPECT_EQ(16, info.bmHeight);
    ::DeleteObject(images);

    for (unsigned dialog : {IDD_LINK, IDD_FOLDER, IDD_COLLECTION_TITLE, IDD_ABOUT, IDD_SEARCH})
        EXPECT_NE(nullptr, ::FindResourceW(module_, MAKEINTRESOURCEW(dialog), MAKEINTRESOURCEW(5)))
            << "dialog " << dialog;

    for (DWORD code = 1; code <= UrlExport::OutputIsCollection; ++code) {
        const std::string message = exportMessage(module_, code, L"C:\\t.lht");
        ASSERT_FALSE(message.empty()) << "message " << code;
        EXPECT_TRUE(message.find("C:\\t.lht") != std::string::npos ||
                    message.find("C:\\out.html") != std::string::npos) << message;
        if (code >= 3 && code <= 6) {
            EXPECT_NE(std::string::npos, message.find("17")) << message;
        }
    }
    // The German message table holds UTF-16: "Die Vorlage ф.lht kann nicht geöffnet werden."
    if (GetParam() == std::string("lang-de.dll")) {
        const std::string message = exportMessage(module_, UrlExport::TemplateNotReadable, L"\x0444.lht");
        EXPECT_EQ(0u, message.find("Die Vorlage \xD1\x84.lht kann nicht ge\xC3\xB6""ffnet werden.")) << message;
    }
}

TEST_P(ShippedModule, HelpPagesLieBesideTheProgram) {
    const std::string contents = helpContentsPath(kProgramFolder + "\\linkhaven.exe", moduleText(module_, IDS_HELP_FILE));
    EXPECT_TRUE(fileExists(contents)) << contents;
    for (int topic = HELP_TOPIC_COLLECTION_TITLE; topic <= HELP_TOPIC_SEARCH; ++topic)
        EXPECT_TRUE(fileExists(helpTopicPath(contents, topic))) << helpTopicPath(contents, topic);
}

INSTANTIATE_TEST_SUITE_P(EnglishAndGerman, ShippedModule, testing::Values("lang-en.dll", "lang-de.dll"));
