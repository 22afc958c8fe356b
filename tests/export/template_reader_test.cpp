#include "export/template_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "export/template_output.h"

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
}  // namespace

TEST(TemplateReader, TurnsTextIntoLiteralsAndKeywords) {
    const std::pair<const char*, const char*> cases[] = {
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
    };
    for (const auto& [bytes, trace] : cases) EXPECT_EQ(trace, readAll(bytes)) << "template: " << bytes;
}

TEST(TemplateReader, SkipToCopiesRawKeywordsUpToTheFirstCloser) {
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
}
