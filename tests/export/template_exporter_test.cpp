#include "export/template_exporter.h"

#include <gtest/gtest.h>

#include <string>

#include "export/template_output.h"
#include "export_test_trees.h"

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
}  // namespace

TEST(TemplateExporter, FollowsTheLanguageRules) {
    Collection c, root, notes, scripts, markup, deep;
    buildExampleTree(c);
    buildTree(root, R"(T "D"{})");
    buildTree(notes, R"(My page "a\x0D\x0Ab\x0Dc\x0Ad"{})");
    buildTree(scripts, R"(été € Ж 中🔥 "a\x0Ab"{})");
    buildTree(markup, R"(Tom & \x22Jerry\x22 \x3Cé\x3E "a\x3Cb\x0D\x0Ac&d"{)"
                      R"(My \x3Cpage\x3E.html <http://x.example/?a=1&b=\x222\x22&c='3'>})");
    Folder* folder = &deep;
    for (int i = 0; i < 100000; ++i) folder = deep.appendFolder(folder).node()->asFolder();

    const std::tuple<const Folder&, std::string, const char*> cases[] = {
        // Line feeds are dropped, also CR LF; a lone CR is text, also at the end.
        {root, "a\nb\r\nc\rd\n\r", "abc\rd\r"},
        {root, "", ""},
        // Keywords in any case, also split over lines; a brace alone is text.
        {root, "{Title}{TITLE}{tItLe}{ti\ntle}x{ti\r\ntle}", "TTTTxT"},
        {root, "a}b}{nl}}", "a}b}\n}"},
        // An empty root folder: one folderstart and one folderend; text
        // outside the sections is written for each event.
        {root, "{collection}{folderstart}S{/folderstart}{folderend}E{/folderend}x{/collection}", "SxEx"},
        // Without a collection block: the root's values once, counters at 0.
        {root, "{title}|{note}|{link}|{id}|{parentid}|{level}", "T|D||0|0|0"},
        // Text between two sections inside the block is written once per event.
        {c, "{collection}{url}{title}{/url}.{/collection}", ".Alpha...Gamma..."},
        // id at folderstart and folderend; level and parentid inside; all back after the block.
        {c, "{collection}{folderstart}<{id}:{parentid}:{level}{/folderstart}"
            "{folderend}{id}:{parentid}:{level}>{/folderend}{/collection}{level}{parentid}{id}",
         "<0:0:1<2:2:23:2:2>3:0:1>003"},
        {notes, "{nl:}<br>{/nl:}{note}", "a<br>b<br>c<br>d"},
        // Keywords in the line-break text are copied as read, joined where split over lines.
        {notes, "{nl:}x{Ti\ntle}}y{/nl:}{note}", "ax{Title}}ybx{Title}}ycx{Title}}yd"},
        {notes, "{filename}{title}.html{/filename}", "My page_html"},
        // Inside a filename block no section is expanded.
        {c, "{filename}{url}u{/url}{folder}f{/folder}{title}{/filename}", "Home"},
        // A filename block never closed ends at the end of the template.
        {notes, "x{filename}{title}.y", "xMy page_y"},
        // Closers outside their blocks are ignored.
        {root, "a{/filename}b{/folder}c{/url}d{/nl:}e", "abcde"},
        // /collection outside a block ends the export there.
        {root, "a{/collection}b{title}{bad", "a"},
        // A collection block never closed: the rest of the template is its body. Every
        // pass over a place reads it as the first did, a keyword split over lines too.
        {c, "{collection}{url}{ti\r\ntle}\r\n;{/url}", "Alpha;Gamma;"},
        // Another event's section ends at the first closer: nesting is not counted.
        {c, "{collection}{url}a{url}b{/url}c{/url}{/collection}", "cabcccabccc"},
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
        // A template too large to be remembered is read the slow way, with the same result.
        {c, "{collection}{url}{title} {id}{nl}{/url}{nl:}" + std::string(3 << 20, 'x') + "{/nl:}{/collection}{id}",
         "Alpha 1\nGamma 3\n3"},
        {deep, "{collection}{folder}{/folder}{/collection}{id} {level}", "100000 0"},
    };
    for (const auto& [tree, templateText, output] : cases)
        EXPECT_EQ(output, expandTemplate(tree, templateText)) << templateText.substr(0, 80);
}

TEST(TemplateExporter, ReportsTemplateErrorsWithTheirLines) {
    Collection c;
    buildExampleTree(c);
    const std::tuple<const char*, int, int> cases[] = {
        {"x\n\n{a\n{b}", 3, 4},
        {"one\ntwo\n{", 3, 3},
        {"{title\n", 3, 2},
        {"{ title}", 5, 1},
        {"{title }", 5, 1},
        {"{}", 5, 1},
        {"{tit\nx}", 5, 2},
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
        // Lines counted over a skipped line-break text, and in the last event of many.
        {"{nl:}{Ti\ntle}{/nl:}\n{bad}", 5, 3},
        {"{collection}{url}{ti\r\ntle}\r\n;{/url}{folderend}\n\n{bad}{/folderend}{/collection}", 5, 5},
    };
    for (const auto& [templateText, code, line] : cases) {
        Result result;
        expandTemplate(c, templateText, &result);
        EXPECT_EQ(std::make_pair(code, line), std::make_pair(result.code, result.line)) << templateText;
    }
}
