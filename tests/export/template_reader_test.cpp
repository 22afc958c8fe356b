#include "export/template_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/template_output.h"
#include "export/url_export_error.h"

namespace {
// Everything nextKeyword gives up to the end: "text|" pieces and "{n@line}" keywords.
std::string readAll(std::string_view bytes) {
    TemplateReader reader(bytes);
    std::string trace;
    for (;;) {
        std::string text;
        TemplateOutput out(text);
        const TemplateKeyword keyword = reader.nextKeyword(&out);
        if (!text.empty()) trace += text + "|";
        if (keyword == EndOfTemplate) return trace + "end@" + std::to_string(reader.line());
        trace += "{" + std::to_string(keyword) + "@" + std::to_string(reader.line()) + "}";
    }
}

// The code and line of the error that reading everything raises; {0, 0} when none.
std::pair<int, int> errorOf(std::string_view bytes) {
    TemplateReader reader(bytes);
    while (reader.nextKeyword(nullptr) != EndOfTemplate) {
    }
    return {reader.result().code, reader.result().line};
}
}  // namespace

TEST(TemplateReader, TurnsTextIntoLiteralsAndKeywords) {
    struct Case {
        const char* bytes;
        const char* trace;
    };
    const Case cases[] = {
        {"", "end@1"},
        {"plain text", "plain text|end@1"},
        // Line feeds are dropped and counted, also CR LF; a lone CR is text.
        {"a\nb\r\nc\rd\n", "abc\rd|end@4"},
        {"\r", "\r|end@1"},
        {"{title}", "{18@1}end@1"},
        {"{Title}{TITLE}{tItLe}", "{18@1}{18@1}{18@1}end@1"},
        {"{ti\ntle}x", "{18@2}x|end@2"},
        {"{ti\r\ntle}", "{18@2}end@2"},
        {"a}b", "a}b|end@1"},
        {"}{nl}}", "}|{23@1}}|end@1"},
        {"x{link}y\n{/COLLECTION}", "x|{17@1}y|{2@2}end@2"},
        {"{nl:}{/nl:}{html}{plain}", "{11@1}{12@1}{27@1}{28@1}end@1"},
        {"{collection}{/collection}{folder}{/folder}{url}{/url}{folderstart}{/folderstart}",
         "{1@1}{2@1}{3@1}{4@1}{5@1}{6@1}{7@1}{8@1}end@1"},
        {"{folderend}{/folderend}{filename}{/filename}{ansi}{oem}{note}{id}{parentid}{level}",
         "{9@1}{10@1}{13@1}{14@1}{15@1}{16@1}{19@1}{20@1}{21@1}{22@1}end@1"},
        {"{tab}{left}{right}", "{24@1}{25@1}{26@1}end@1"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.trace, readAll(c.bytes)) << "template: " << c.bytes;
}

TEST(TemplateReader, RaisesErrorsWithTheirLines) {
    struct Case {
        const char* bytes;
        int code;
        int line;
    };
    const Case cases[] = {
        {"{a{b}", 3, 1},
        {"x\n\n{a\n{b}", 3, 4},
        {"text{", 3, 1},
        {"one\ntwo\n{", 3, 3},
        {"{title\n", 3, 2},
        {"{ title}", 5, 1},
        {"{title }", 5, 1},
        {"{ url }", 5, 1},
        {"{}", 5, 1},
        {"{tit\nx}", 5, 2},
        {"\n{nope}", 5, 2},
        {"{ti\rtle}", 5, 1},  // a lone CR is part of the name
        {"{title}\n{collectionx}", 5, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::make_pair(c.code, c.line), errorOf(c.bytes)) << "template: " << c.bytes;
}

TEST(TemplateReader, RewindsToTheSavedByteAndLine) {
    const std::string bytes = "a\r\n{collection}\r\nb{title}\nc{/collection}d";
    TemplateReader reader(bytes);
    std::string text;
    TemplateOutput out(text);
    EXPECT_EQ(CollectionOpen, reader.nextKeyword(&out));
    reader.save();
    for (int pass = 0; pass < 3; ++pass) {
        reader.rewind();
        EXPECT_EQ(2, reader.line());
        EXPECT_EQ(TitleValue, reader.nextKeyword(&out));
        EXPECT_EQ(3, reader.line());
        EXPECT_EQ(CollectionClose, reader.nextKeyword(&out));
        EXPECT_EQ(4, reader.line());
    }
    reader.drop();
    EXPECT_EQ(EndOfTemplate, reader.nextKeyword(&out));
    EXPECT_EQ("abcbcbcd", text);
    // The start is saved at construction.
    reader.rewind();
    EXPECT_EQ(1, reader.line());
    EXPECT_EQ(CollectionOpen, reader.nextKeyword(nullptr));
}

TEST(TemplateReader, SkipToCopiesRawKeywordsAndFailsAtTheEnd) {
    const std::string bytes = "{nl:}<br>{Ti\ntle}}x{/nl:}rest";
    TemplateReader reader(bytes);
    EXPECT_EQ(LineBreakOpen, reader.nextKeyword(nullptr));
    std::string skipped;
    TemplateOutput out(skipped);
    reader.skipTo(LineBreakClose, &out);
    EXPECT_EQ("<br>{Title}}x", skipped);
    EXPECT_EQ(2, reader.line());

    // Nesting is not counted: the first closer ends the skip.
    TemplateReader nested("{folder}a{folder}b{/folder}c{/folder}");
    nested.nextKeyword(nullptr);
    nested.skipTo(FolderClose, nullptr);
    std::string rest;
    TemplateOutput restOut(rest);
    EXPECT_EQ(FolderClose, nested.nextKeyword(&restOut));
    EXPECT_EQ("c", rest);

    TemplateReader missing("{url}\nno closer\n");
    missing.nextKeyword(nullptr);
    missing.skipTo(UrlClose, nullptr);
    EXPECT_EQ(ResultStatus::TemplateMistake, missing.result().status);
    EXPECT_EQ(4, missing.result().code);
    EXPECT_EQ(3, missing.result().line);
    // An unknown keyword is code 5 even while skipping, and stops the reader.
    TemplateReader unknown("{url}{bad}{/url}{title}");
    unknown.nextKeyword(nullptr);
    unknown.skipTo(UrlClose, nullptr);
    EXPECT_EQ(5, unknown.result().code);
    EXPECT_EQ(EndOfTemplate, unknown.nextKeyword(nullptr));
}

TEST(TemplateReader, HoldsAtMostFourSavedPositions) {
    TemplateReader reader("{title}\n{title}");
    reader.nextKeyword(nullptr);
    reader.nextKeyword(nullptr);
    reader.save();
    reader.save();
    reader.save();
    EXPECT_EQ(4, reader.savedCount());
    reader.save();
    EXPECT_EQ(6, reader.result().code);
    EXPECT_EQ(2, reader.result().line);
    EXPECT_EQ(4, reader.savedCount());

    // With nothing saved the reader refuses to read, and a drop fails.
    for (int attempt = 0; attempt < 2; ++attempt) {
        TemplateReader empty("{title}");
        empty.drop();
        if (attempt == 0)
            EXPECT_EQ(EndOfTemplate, empty.nextKeyword(nullptr));
        else
            empty.drop();
        EXPECT_EQ(7, empty.result().code);
        EXPECT_EQ(0, empty.result().line);
        empty.rewind();  // nothing saved: nothing happens
    }
}
