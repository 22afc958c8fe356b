#include "export/url_export_error.h"
#include "export/export_messages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(UrlExportError, BuiltInMessagesNameTheFileTheLineAndTheFault) {
    const std::string templatePath = "C:\\Templates\\page.lht", outputPath = "C:\\Export\\page.html";
    // Each code with its line, a part of its message that tells the user what
    // to fix, and what the message names: the template T, the line L, the output O.
    const std::tuple<int, int, const char*, const char*> cases[] = {
        {1, 0, "cannot be opened for reading", "T-O"}, {2, 0, "cannot be written", "T-O"},
        {3, 12, "a keyword is not closed", "TL-"},     {4, 40, "closing keyword is still missing", "TL-"},
        {5, 7, "unknown keyword", "TL-"},              {6, 3, "nested too deeply", "TL-"},
        {7, 0, "Internal error", "TL-"},               {8, 0, "is the collection itself", "--O"},
    };
    for (const auto& [code, line, fault, names] : cases) {
        const Result error = Result::templateMistake(code, line);
        const std::string message = UrlExport::exportMessage(error, templatePath, outputPath);
        const auto mark = [&message](char letter, const std::string& part) {
            return message.find(part) == std::string::npos ? '-' : letter;
        };
        EXPECT_NE(std::string::npos, message.find(fault)) << message;
        EXPECT_EQ(names, std::string({mark('T', '"' + templatePath + '"'), mark('L', "line " + std::to_string(line)),
                                      mark('O', '"' + outputPath + '"')}))
            << message;
        EXPECT_EQ(std::string::npos, message.find('%')) << message;
    }
    EXPECT_EQ("", UrlExport::exportMessage(Result::templateMistake(0, 0), templatePath, outputPath));
    EXPECT_EQ("", UrlExport::exportMessage(Result::templateMistake(9, 1), templatePath, outputPath));
}

TEST(UrlExportError, FormatsIntoABufferCutToFit) {
    const Result error = Result::templateMistake(5, 9);
    const std::string templatePath = "été.lht";
    const std::string full = UrlExport::exportMessage(error, templatePath, "o.txt");
    // "Error in the export template \"" is 30 bytes; a character is never cut in two.
    const std::pair<std::size_t, std::size_t> cuts[] = {{512, full.size()}, {16, 15}, {32, 30}, {33, 32}, {35, 33}};
    for (const auto& [size, kept] : cuts) {
        char buffer[512];
        std::memset(buffer, 'x', sizeof buffer);
        UrlExport::formatExportMessage(error, buffer, size, templatePath, "o.txt");
        EXPECT_EQ(full.substr(0, kept), buffer) << size;
    }

    char empty[4] = "abc";
    UrlExport::formatExportMessage(Result::templateMistake(0, 0), empty, sizeof empty, "t.lht", "o.txt");
    EXPECT_EQ("", std::string(empty));
    UrlExport::formatExportMessage(error, empty, 0, "t.lht", "o.txt");  // nothing written, nothing broken
}

TEST(UrlExportError, FillsOnlyTheThreeInsertsThereAre) {
    const std::string templatePath = "t.lht", outputPath = "o.txt";
    const std::pair<const char*, const char*> cases[] = {
        {"%1!s! %2!d! %3", "t.lht 7 o.txt"}, {"[%4][%9!s!][%12]", "[][][]"}, {"%%1 100%% %. %!", "%1 100% . !"},
        {"a%nb%tc", "a\r\nb\tc"},           {"cut%0 here", "cut"},          {"%2!*d! %3!open", "7 o.txt"},
    };
    for (const auto& [text, filled] : cases)
        EXPECT_EQ(filled, UrlExport::fillMessageInserts(text, {templatePath, 7, outputPath})) << text;
}

#ifdef _WIN32
#include <windows.h>

// The texts come from the loaded language module's message table, with the
// same inserts; an entry the module lacks falls back to the built-in text.
TEST(UrlExportError, TakesItsTextsFromTheLanguageModule) {
    HMODULE module = ::LoadLibraryA("export_test_messages.dll");
    ASSERT_NE(nullptr, module) << "error " << ::GetLastError();
    UrlExport::setMessageModule(module);
    EXPECT_EQ("T1 [C:\\t.lht] [D:\\o.html]", UrlExport::exportMessage(Result::templateMistake(1, 0), "C:\\t.lht", "D:\\o.html"));
    EXPECT_EQ("Vorlage „C:\\t.lht“, Zeile 42: unbekanntes Schlüsselwort.",
              UrlExport::exportMessage(Result::templateMistake(5, 42), "C:\\t.lht", "D:\\o.html"));
    char buffer[512];
    UrlExport::formatExportMessage(Result::templateMistake(3, 7), buffer, sizeof buffer, "t.lht", "o.html");
    EXPECT_STREQ("T3 [t.lht] line 7", buffer);
    EXPECT_EQ("T6 [t.lht] line 8 [] []", UrlExport::exportMessage(Result::templateMistake(6, 8), "t.lht", "o.html"));
    EXPECT_EQ(0u, UrlExport::exportMessage(Result::templateMistake(7, 0), "t.lht", "o.html").find("Internal error"));
    UrlExport::setMessageModule(nullptr);
    ::FreeLibrary(module);
    EXPECT_EQ(0u, UrlExport::exportMessage(Result::templateMistake(1, 0), "t.lht", "o.html").find("The export template"));
}
#endif
