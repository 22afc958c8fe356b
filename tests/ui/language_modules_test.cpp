#include "ui/shell/language_modules.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>
#include <tuple>

#include "core/wide_text_win.h"
#include "export/url_export_error.h"
#include "test_files.h"
#include "ui/shell/help_pages.h"
#include "ui/resource_ids.h"

namespace {
const std::string kProgramFolder = std::string(LINKHAVEN_PROGRAM_DIR) + "/";

void copyInto(const TemporaryFolder& folder, const std::string& source, const std::string& name) {
    ASSERT_TRUE(::CopyFileA(source.c_str(), folder.file(name).c_str(), FALSE)) << source;
}

std::string moduleText(HMODULE module, unsigned id) {
    wchar_t text[256];
    const int length = ::LoadStringW(module, id, text, std::size(text));
    return narrowText(std::wstring_view(text, length > 0 ? length : 0));
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

TEST(LanguageModules, ListsModulesSortedAndPrefersEnglish) {
    TemporaryFolder folder;
    copyInto(folder, kProgramFolder + "lang-de.dll", "lang-de.dll");
    copyInto(folder, kProgramFolder + "lang-en.dll", "lang-en.dll");
    copyInto(folder, ENTRY_POINT_PROBE, "probe.dll");
    writeFileBytes(folder.file("broken.dll"), "MZ this is not a module");
    writeFileBytes(folder.file("readme.dll.txt"), "not a DLL at all");

    LanguageModules modules(folder.path());
    ASSERT_EQ(3, modules.count());
    EXPECT_EQ("Deutsch", modules.displayName(0));
    EXPECT_EQ("English", modules.displayName(1));
    EXPECT_EQ("Italiano (probe)", modules.displayName(2));
    EXPECT_EQ(0x407, modules.langIdAt(0));
    EXPECT_EQ(0x409, modules.langIdAt(1));
    EXPECT_EQ(0x410, modules.langIdAt(2));
    EXPECT_EQ("lang-en.dll", modules.fileName(1));
    EXPECT_EQ(1, modules.defaultIndex());
    EXPECT_EQ(1, modules.currentIndex());
    EXPECT_EQ("linkhaven-en.html", moduleText(modules.module(), IDS_HELP_FILE));

    EXPECT_EQ(0, modules.findByLangId(0x407));
    EXPECT_EQ(1, modules.findByLangId(0xABCD0409));  // only the low 16 bits count
    EXPECT_EQ(-1, modules.findByLangId(0x40C));

    EXPECT_FALSE(modules.select(1));  // already current
    EXPECT_FALSE(modules.select(3));
    EXPECT_TRUE(modules.select(0));
    EXPECT_EQ(0, modules.currentIndex());
    EXPECT_EQ("linkhaven-de.html", moduleText(modules.module(), IDS_HELP_FILE));
    EXPECT_NE(std::string::npos, moduleText(modules.module(), IDS_ASK_SAVE).find("ge\xC3\xA4ndert"));  // geändert
    EXPECT_TRUE(modules.select(2));
    EXPECT_EQ("0x410", moduleText(modules.module(), IDS_LANGUAGE_ID));

    // The probe was listed and even selected, yet its code never ran.
    EXPECT_FALSE(fileExists(folder.file("probe.dll.ran")));
}

TEST(LanguageModules, WithoutEnglishTheFirstInTheListIsLoaded) {
    TemporaryFolder folder;
    copyInto(folder, ENTRY_POINT_PROBE, "zz-probe.dll");
    copyInto(folder, kProgramFolder + "lang-de.dll", "lang-de.dll");
    LanguageModules modules(folder.path());
    ASSERT_EQ(2, modules.count());
    EXPECT_EQ(0, modules.defaultIndex());
    EXPECT_EQ(0, modules.currentIndex());
    EXPECT_EQ("Deutsch", moduleText(modules.module(), IDS_LANGUAGE_NAME));
    EXPECT_FALSE(fileExists(folder.file("zz-probe.dll.ran")));
}

TEST(LanguageModules, FoldersAndFilesNamedInAnyScriptAreFound) {
    TemporaryFolder folder;
    // Язык\нем.dll, joined here: std::filesystem would read the UTF-8 as bytes of another encoding.
    const std::string inner = folder.path() + "\\\xD0\xAF\xD0\xB7\xD1\x8B\xD0\xBA", name = "\xD0\xBD\xD0\xB5\xD0\xBC.dll";
    ASSERT_TRUE(::CreateDirectoryW(wideText(inner).c_str(), nullptr));
    ASSERT_TRUE(::CopyFileW(wideText(kProgramFolder + "lang-de.dll").c_str(), wideText(inner + "\\" + name).c_str(), FALSE));
    LanguageModules modules(inner);
    ASSERT_EQ(1, modules.count());
    EXPECT_EQ(name, modules.fileName(0));
    EXPECT_EQ("Deutsch", moduleText(modules.module(), IDS_LANGUAGE_NAME));
}

TEST(LanguageModules, UnnamedModuleTakesTheSystemsNameAndDllsWithoutALangIdAreSkipped) {
    TemporaryFolder folder;
    copyInto(folder, UNNAMED_MODULE, "unnamed.dll");
    copyInto(folder, NO_LANGUAGE_ID, "nameless.dll");
    copyInto(folder, kProgramFolder + "lang-en.dll", "lang-en.dll");
    LanguageModules modules(folder.path());
    ASSERT_EQ(2, modules.count());
    const int unnamed = modules.findByLangId(0x407);  // "1031", read as a decimal number
    ASSERT_NE(-1, unnamed);
    wchar_t systemName[64];
    ASSERT_NE(0u, ::VerLanguageNameW(0x407, systemName, std::size(systemName)));
    EXPECT_EQ(narrowText(systemName), modules.displayName(unnamed));
    EXPECT_EQ("unnamed.dll", modules.fileName(unnamed));
}

TEST(LanguageModules, CurrentEntryIsTheEnglishModuleActuallyLoaded) {
    // Found first ("a-" sorts before "lang-"), so it is the one kept loaded,
    // though its name sorts after the other English module's.
    TemporaryFolder folder;
    copyInto(folder, CUSTOM_ENGLISH, "a-english.dll");
    copyInto(folder, kProgramFolder + "lang-en.dll", "lang-en.dll");
    LanguageModules modules(folder.path());
    ASSERT_EQ(2, modules.count());
    EXPECT_EQ("English", modules.displayName(0));
    EXPECT_EQ(1, modules.currentIndex());
    EXPECT_EQ(1, modules.defaultIndex());
    EXPECT_EQ(modules.displayName(modules.currentIndex()), moduleText(modules.module(), IDS_LANGUAGE_NAME));
}

TEST(LanguageModules, AModuleLackingWhatTheProgramLoadsIsSkipped) {
    TemporaryFolder folder;  // held, as the English module found first, it would leave the program without a window
    copyInto(folder, STRINGS_ONLY_MODULE, "a-english.dll");
    copyInto(folder, kProgramFolder + "lang-en.dll", "lang-en.dll");
    LanguageModules modules(folder.path());
    ASSERT_EQ(1, modules.count());
    EXPECT_EQ("lang-en.dll", modules.fileName(modules.currentIndex()));
    EXPECT_FALSE(fileExists(folder.file("a-english.dll.ran")));
}

TEST(LanguageModules, EmptyFolderHasNoModule) {
    TemporaryFolder folder;
    LanguageModules modules(folder.path());
    EXPECT_EQ(0, modules.count());
    EXPECT_EQ(-1, modules.defaultIndex());
    EXPECT_EQ(-1, modules.currentIndex());
    EXPECT_EQ(nullptr, modules.module());
    EXPECT_FALSE(modules.select(0));
}

TEST(LanguageModules, TheProbeRunsCodeWhenLoadedAsAProgramLibrary) {
    // Shows that the probe above would have left its mark had it been run.
    TemporaryFolder folder;
    copyInto(folder, ENTRY_POINT_PROBE, "probe.dll");
    HMODULE library = ::LoadLibraryA(folder.file("probe.dll").c_str());
    ASSERT_NE(nullptr, library);
    ::FreeLibrary(library);
    EXPECT_TRUE(fileExists(folder.file("probe.dll.ran")));
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
    for (unsigned id = IDS_APP_TITLE; id <= IDS_LAST_STRING; ++id)
        EXPECT_FALSE(moduleText(module_, id).empty()) << "string " << id;
    for (unsigned id = IDS_FIRST_EDGE_STRING; id <= IDS_LAST_EDGE_STRING; ++id)
        EXPECT_FALSE(moduleText(module_, id).empty()) << "string " << id;
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
        const DWORD_PTR inserts[] = {reinterpret_cast<DWORD_PTR>(L"C:\\t.lht"), 17,
                                     reinterpret_cast<DWORD_PTR>(L"C:\\out.html")};
        wchar_t text[512];
        const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_ARGUMENT_ARRAY, module_,
                                              IDMSG_EXPORT_ERROR_BASE + code, 0, text, std::size(text),
                                              reinterpret_cast<va_list*>(const_cast<DWORD_PTR*>(inserts)));
        ASSERT_NE(0u, length) << "message " << code;
        const std::string message = narrowText(std::wstring_view(text, length));
        const bool namesAFile = message.find("C:\\t.lht") != std::string::npos ||
                                message.find("C:\\out.html") != std::string::npos;
        EXPECT_TRUE(namesAFile) << message;
        if (code >= 3 && code <= 6) {
            EXPECT_NE(std::string::npos, message.find("17")) << message;
        }
    }
}

TEST_P(ShippedModule, HelpPagesLieBesideTheProgram) {
    const std::string contents = helpContentsPath(kProgramFolder + "\\linkhaven.exe", moduleText(module_, IDS_HELP_FILE));
    EXPECT_TRUE(fileExists(contents)) << contents;
    for (int topic = HELP_TOPIC_COLLECTION_TITLE; topic <= HELP_TOPIC_SEARCH; ++topic)
        EXPECT_TRUE(fileExists(helpTopicPath(contents, topic))) << helpTopicPath(contents, topic);
}

TEST(GermanModule, MessageTableHoldsUtf16) {
    HMODULE module = ::LoadLibraryExW(wideText(kProgramFolder + "lang-de.dll").c_str(), nullptr,
                                      LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(nullptr, module);
    const DWORD_PTR inserts[] = {reinterpret_cast<DWORD_PTR>(L"\x0444.lht"), 0, 0};  // ф.lht
    wchar_t text[512];
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_ARGUMENT_ARRAY, module,
                                          IDMSG_EXPORT_ERROR_BASE + UrlExport::TemplateNotReadable, 0, text,
                                          std::size(text), reinterpret_cast<va_list*>(const_cast<DWORD_PTR*>(inserts)));
    ::FreeLibrary(module);
    const std::string message = narrowText(std::wstring_view(text, length));
    // "Die Vorlage ф.lht kann nicht geöffnet werden."
    EXPECT_EQ(0u, message.find("Die Vorlage \xD1\x84.lht kann nicht ge\xC3\xB6""ffnet werden.")) << message;
}

INSTANTIATE_TEST_SUITE_P(EnglishAndGerman, ShippedModule, testing::Values("lang-en.dll", "lang-de.dll"));
