#include "export/template_exporter.h"

#include <gtest/gtest.h>

#include <string>

#include "core/collection.h"
#include "export/template_output.h"
#include "export/template_reader.h"
#include "export/url_export_error.h"
#include "export_test_trees.h"
#include "tree_text.h"

namespace {
// The expansion of `templateText` over `root`, as the engine writes it (line
// feeds not yet turned into CR LF).
std::string expandTemplate(const Folder& root, const std::string& templateText, Result* result = nullptr) {
    std::string text;
    TemplateOutput out(text);
    const Result ran = TemplateExporter(templateText, root).run(out);
    if (result) *result = ran;
    return text;
}

std::pair<int, int> errorOf(const Folder& root, const std::string& templateText) {
    Result result;
    expandTemplate(root, templateText, &result);
    return {result.code, result.line};
}

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

TEST(TemplateExporter, FollowsTheLanguageRules) {
    Collection c, root, notes, scripts, markup;
    buildExampleTree(c);
    buildTree(root, R"(T "D"{})");
    buildTree(notes, R"(My page "a\x0D\x0Ab\x0Dc\x0Ad"{})");
    buildTree(scripts, R"(été € Ж 中🔥 "a\x0Ab"{})");
    buildTree(markup, R"(Tom & \x22Jerry\x22 \x3Cé\x3E "a\x3Cb\x0D\x0Ac&d"{)"
                      R"(My \x3Cpage\x3E.html <http://x.example/?a=1&b=\x222\x22&c='3'>})");

    const std::tuple<const Folder&, const char*, const char*> cases[] = {
        // An empty root folder: one folderstart and one folderend; text
        // outside the sections is written for each event.
        {root, "{collection}{folderstart}S{/folderstart}{folderend}E{/folderend}x{/collection}", "SxEx"},
        // Without a collection block: the root's values once, counters at 0.
        {root, "{title}|{note}|{link}|{id}|{parentid}|{level}", "T|D||0|0|0"},
        {root, "no\nkeywords\r\nat all", "nokeywordsat all"},
        // Text between two sections inside the block is written once per event.
        {c, "{collection}{url}{title}{/url}.{/collection}", ".Alpha...Gamma..."},
        // id at folderstart and folderend; level and parentid inside; all back after the block.
        {c, "{collection}{folderstart}<{id}:{parentid}:{level}{/folderstart}"
            "{folderend}{id}:{parentid}:{level}>{/folderend}{/collection}{level}{parentid}{id}",
         "<0:0:1<2:2:23:2:2>3:0:1>003"},
        {notes, "{nl:}<br>{/nl:}{note}", "a<br>b<br>c<br>d"},
        {notes, "{note}", "a\nb\nc\nd"},
        {notes, "{nl:}x{title}y{/nl:}{note}", "ax{title}ybx{title}ycx{title}yd"},
        {notes, "{filename}{title}.html{/filename}", "My page_html"},
        // Inside a filename block no section is expanded.
        {c, "{filename}{url}u{/url}{folder}f{/folder}{title}{/filename}", "Home"},
        // A filename block never closed ends at the end of the template.
        {notes, "x{filename}{title}.y", "xMy page_y"},
        // Closers outside their blocks are ignored.
        {root, "a{/filename}b{/folder}c{/url}d{/nl:}e", "abcde"},
        // /collection outside a block ends the export there.
        {root, "a{/collection}b{title}{bad", "a"},
        // A collection block never closed: the rest of the template is its body.
        {c, "{collection}{url}{title};{/url}", "Alpha;Gamma;"},
        {root, "{left}{right}{tab}{nl}", "{}\t\n"},
        // A collection inside a filename block walks the whole tree; the
        // counter runs on over both walks.
        {c, "{filename}{collection}{url}{id}{/url}{/collection}{/filename}-"
            "{filename}{collection}{url}{id}{/url}{/collection}{/filename}",
         "13-46"},
        // Nothing of one export stays for the next: encodings, line breaks, the counter.
        {c, "{html}{oem}{nl:}|{/nl:}{collection}{/collection}{id}", "3"},
        {notes, "{note}{title}", "a\nb\nc\ndMy page"},
        // Values are UTF-8. A template without a byte order mark is in the ANSI
        // code page (1252 here), and writes values in it, or in the OEM code page
        // (437) after oem; its own text stays as written.
        {scripts, "\xE9{title}", "\xE9\xE9t\xE9 \x80 ? ??"},
        {scripts, "{html}{title}", "\xE9t\xE9 \x80 &#1046; &#20013;&#128293;"},
        {scripts, "{oem}{title}\xE9{ansi}{title}", "\x82t\x82 ? ? ??\xE9\xE9t\xE9 \x80 ? ??"},
        {scripts, "{oem}{html}{title}", "\x82t\x82 &#8364; &#1046; &#20013;&#128293;"},
        // A file name holds no references; its own text is taken in the template's code page.
        {scripts, "{html}{filename}\xE9{title}{/filename}", "\xE9\xE9t\xE9 \x80 ? ??"},
        {scripts, "{filename}{oem}\xE9{title}{/filename}", "\x82\x82t\x82 ? ? ??"},
        {scripts, "{filename}{oem}{title}{ansi}{/filename}", "\xE9t\xE9 \x80 ? ??"},
        // The line-break text is converted with the note.
        {scripts, "{nl:}\xE9{/nl:}{note}{oem}{note}", "a\xE9" "ba\x82" "b"},
        // A UTF-8 template writes UTF-8 whatever it asks for; the mark is not copied.
        {scripts, "\xEF\xBB\xBFé{oem}{html}{title}{nl:}—{/nl:}{note}", "éété € Ж 中🔥a—b"},
        {scripts, "\xEF\xBB\xBF{filename}é{title}{/filename}", "éété € Ж 中🔥"},
        // Bytes that are no UTF-8 in a UTF-8 template become U+FFFD; a mark later on is text.
        {scripts, "\xEF\xBB\xBF" "a\xFF\xEF\xBB\xBF", "a\xEF\xBF\xBD\xEF\xBB\xBF"},
        // After html values are escaped for HTML.
        {markup, "<{title}>", "<Tom & \"Jerry\" <\xE9>>"},
        {markup, "{html}<b>{title}</b>{plain}{title}",
         "<b>Tom &amp; &quot;Jerry&quot; &lt;\xE9&gt;</b>Tom & \"Jerry\" <\xE9>"},
        // The line-break text is the template's markup and stays as written.
        {markup, "{HTML}{nl:}<br>{/nl:}{note}", "a&lt;b<br>c&amp;d"},
        {markup, "{html}{collection}{url}<a href=\"{link}\">{/url}{/collection}",
         "<a href=\"http://x.example/?a=1&amp;b=&quot;2&quot;&amp;c=&#39;3&#39;\">"},
        // Escaping keeps the OEM conversion whole.
        {markup, "{oem}{html}{title}", "Tom &amp; &quot;Jerry&quot; &lt;\x82&gt;"},
        // Not inside a file name; the finished name is escaped as page text.
        {markup, "{html}{collection}{url}{filename}{title}{/filename}{/url}{/collection}", "My _page__html"},
        {markup, "{html}{filename}{title}{/filename}", "Tom &amp; _Jerry_ _\xE9_"},
    };
    for (const auto& [tree, templateText, output] : cases)
        EXPECT_EQ(output, expandTemplate(tree, templateText)) << templateText;
}

TEST(TemplateExporter, ReportsTemplateErrorsWithTheirLines) {
    Collection c;
    buildExampleTree(c);
    const std::tuple<const char*, int, int> cases[] = {
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
        {"{collection}\n{url}x\n", 4, 3},
        {"{collection}\n{folder}x", 4, 2},
        {"{nl:}\n<br>", 4, 2},
        // Unknown keywords count even where nothing is written.
        {"{collection}{folderstart}\n{bad}{/folderstart}{/collection}", 5, 2},
        {"{nl:}<b{Title }>{/nl:}", 5, 1},
        {"{filename}{url}\n\n{x}{/url}{/filename}", 5, 3},
        {"\xEF\xBB\xBF\n{bad}", 5, 2},
        // The start, a collection block and two file-name blocks fill the four saved positions.
        {"{collection}\n{filename}{filename}\n{filename}", 6, 3},
        {"{collection}{filename}{filename}{/filename}{/filename}{/collection}", 0, 0},
    };
    for (const auto& [templateText, code, line] : cases)
        EXPECT_EQ(std::make_pair(code, line), errorOf(c, templateText)) << templateText;
}

// The reader remembers what it read at each place of a template; reading a
// place again must give the same text, keywords and lines.
TEST(TemplateExporter, ReadsEveryPassAsTheFirst) {
    Collection c;
    buildExampleTree(c);
    // A keyword split over lines and a run with a line break, read for every
    // event; an error only in the last event still names its line.
    EXPECT_EQ(std::make_pair(5, 5),
              errorOf(c, "{collection}{url}{ti\r\ntle}\r\n;{/url}{folderend}\n\n{bad}{/folderend}{/collection}"));
    EXPECT_EQ("Alpha;Gamma;", expandTemplate(c, "{collection}{url}{ti\r\ntle}\r\n;{/url}{/collection}"));

    // A template too large to be remembered is read the slow way, with the same result.
    const std::string body = "{collection}{url}{title} {id}{nl}{/url}{nl:}";
    const std::string tail = "{/nl:}{/collection}{id}";
    const std::string small = expandTemplate(c, body + "padding" + tail);
    EXPECT_EQ("Alpha 1\nGamma 3\n3", small);
    EXPECT_EQ(small, expandTemplate(c, body + std::string(3 << 20, 'x') + tail));
}

TEST(TemplateExporter, WalksAVeryDeepTree) {
    Collection c;
    Folder* folder = &c;
    constexpr int kDepth = 100000;
    for (int i = 0; i < kDepth; ++i) folder = c.appendFolder(folder).node()->asFolder();
    EXPECT_EQ("100000 0", expandTemplate(c, "{collection}{folder}{/folder}{/collection}{id} {level}"));
}

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
