#include "export/url_export_error.h"
#include "export/export_messages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(UrlExportError, BuiltInMessagesNameTheFileTheLineAndTheFault) {
    const std::string templatePath = "C:\\Templates\\page.lht";
    const std::string outputPath = "C:\\Export\\page.html";
    struct Case {
        int code;
        int line;
        const char* expected;  // a part of the message that tells the user what to fix
        bool namesTemplate;
        bool namesLine;
        bool namesOutput;
    };
    const Case cases[] = {
        {1, 0, "cannot be opened for reading", true, false, true},
        {2, 0, "cannot be written", true, false, true},
        {3, 12, "a keyword is not closed", true, true, false},
        {4, 40, "closing keyword is still missing", true, true, false},
        {5, 7, "unknown keyword", true, true, false},
        {6, 3, "nested too deeply", true, true, false},
        {7, 0, "Internal error", true, true, false},
        {8, 0, "is the collection itself", false, false, true},
    };
    for (const Case& c : cases) {
        const std::string message = UrlExport::exportMessage(Result::templateMistake(c.code, c.line), templatePath, outputPath);
        EXPECT_NE(std::string::npos, message.find(c.expected)) << message;
        EXPECT_EQ(c.namesTemplate, message.find("\"" + templatePath + "\"") != std::string::npos) << message;
        EXPECT_EQ(c.namesLine, message.find("line " + std::to_string(c.line)) != std::string::npos) << message;
        EXPECT_EQ(c.namesOutput, message.find("\"" + outputPath + "\"") != std::string::npos) << message;
        EXPECT_EQ(std::string::npos, message.find('%')) << message;
    }
    EXPECT_EQ("", UrlExport::exportMessage(Result::templateMistake(0, 0), templatePath, outputPath));
    EXPECT_EQ("", UrlExport::exportMessage(Result::templateMistake(9, 1), templatePath, outputPath));
}

TEST(UrlExportError, FormatsIntoABufferCutToFit) {
    const Result error = Result::templateMistake(5, 9);
    const std::string templatePath = "\xC3\xA9t\xC3\xA9.lht";  // "été.lht"
    const std::string full = UrlExport::exportMessage(error, templatePath, "o.txt");
    char buffer[512];
    std::memset(buffer, 'x', sizeof buffer);
    UrlExport::formatExportMessage(error, buffer, sizeof buffer, templatePath, "o.txt");
    EXPECT_EQ(full, buffer);

    // "Error in the export template \"" is 30 bytes; a character is never cut in two.
    const std::pair<std::size_t, std::size_t> cuts[] = {{16, 15}, {32, 30}, {33, 32}, {35, 33}};
    for (const auto& [size, kept] : cuts) {
        char small[40];
        UrlExport::formatExportMessage(error, small, size, templatePath, "o.txt");
        EXPECT_EQ(full.substr(0, kept), small) << size;
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
    EXPECT_EQ("Vorlage \xE2\x80\x9E" "C:\\t.lht\xE2\x80\x9C, Zeile 42: unbekanntes Schl\xC3\xBCsselwort.",
              UrlExport::exportMessage(Result::templateMistake(5, 42), "C:\\t.lht", "D:\\o.html"));
    char buffer[512];
    UrlExport::formatExportMessage(Result::templateMistake(3, 7), buffer, sizeof buffer, "t.lht", "o.html");
    EXPECT_STREQ("T3 [t.lht] line 7", buffer);
    EXPECT_EQ("T6 [t.lht] line 8 [] []", UrlExport::exportMessage(Result::templateMistake(6, 8), "t.lht", "o.html"));
    EXPECT_EQ(0u, UrlExport::exportMessage(Result::templateMistake(7, 0), "t.lht", "o.html").find("Internal error"));
    EXPECT_EQ("", UrlExport::exportMessage(Result::templateMistake(0, 0), "t.lht", "o.html"));
    UrlExport::setMessageModule(nullptr);
    ::FreeLibrary(module);
    EXPECT_EQ(0u, UrlExport::exportMessage(Result::templateMistake(1, 0), "t.lht", "o.html").find("The export template"));
}
#endif
