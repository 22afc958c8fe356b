#include "import/netscape_importer.h"

#include <gtest/gtest.h>

#include "item_log.h"
#include "test_files.h"

namespace {
const std::string kDoctype = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n";

std::string imported(const std::string& html) {
    TemporaryFolder folder;
    writeFileBytes(folder.file("bookmarks.html"), html);
    NetscapeImporter importer(folder.file("bookmarks.html"));
    return itemLog(importer);
}
}  // namespace

TEST(NetscapeImporter, ReadsFoldersLinksDescriptionsAndTheListsOfOtherBrowsers) {
    const std::string body =
        "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n"
        "    <DT><H3 ADD_DATE=\"1\">News</H3>\n"
        "    <DD>Daily reading\n"
        "    <DL><p>\n"
        "        <DT><A HREF=\"http://a.example/\">A</A>\n"
        "        <DD>About A\r\nline two\n"
        "        <DT><A HREF=\"https://b.example/?x=1&amp;y=2\" ICON=\"data:image/png;base64,AAAA\">B</A>\n"
        "    </DL><p>\n"
        "    <DT><A HREF=\"HTTP://c.example/\">  C   with\tblanks </A>\n"
        "</DL><p>\n";
    const std::string news =
        R"(News "Daily reading "{A "About A line two " <http://a.example/>, B <https://b.example/?x=1&y=2>}, )"
        R"(C with blanks  <HTTP://c.example/>)";
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"folders, links and descriptions", kDoctype + body, "{" + news + "}"},
        {"without the document type the outer list is a folder of its own", body, "{Folder1{" + news + "}}"},
        {"rejected anchors leave no trace and do not end the folder",
         kDoctype + "<DL><DT><H3>Firefox</H3><DL><DT><A HREF=\"place:sort=8\">Most Visited</A>"
                    "<DT><A HREF=\"https://start/\">Getting Started</A></DL><A HREF=\"C:x\">outside</A>"
                    "<DT><A HREF=\"http://after/\">after</A></DL>",
         "{Firefox{Getting Started <https://start/>}, after <http://after/>}"},
        {"anchors without terms, as Pocket writes them",
         "<ul><li><a href=\"http://one/\">one</a></li><li><a href=\"https://two/\">two</a></li></ul>",
         "{one <http://one/>, two <https://two/>}"},
        {"unnamed folders are numbered, links without text show their address",
         kDoctype + "<DL><DT><H3></H3><DL><DT><A HREF=\"http://x/\"></A></DL>"
                    "<DT><H3> \t </H3><DL></DL><DT><H3>named</H3><DL></DL></DL>",
         "{Folder1{http://x/ <http://x/>}, Folder2{}, named{}}"},
        {"lists without an outer list, as Safari writes them",
         kDoctype + "<DT><H3 FOLDED>Favorites</H3>\n<DL><p>\n<DT><A HREF=\"http://www.apple.com/\">Apple</A>\n"
                    "</DL><p>\n<DT><A HREF=\"http://top/\">Top</A>\n",
         "{Favorites{Apple <http://www.apple.com/>}, Top <http://top/>}"},
        {"more lists closed than opened",
         "</DL></DL><DT><A HREF=\"http://a/\">a</A></DL><DL><DL><DT><H3>b</H3><DL><DT><A HREF=\"http://c/\">c</A></DL>",
         "{a <http://a/>, b{c <http://c/>}}"},
        {"the file's end closes the lists left open", "<DL><DT><H3>x</H3><DL><DT><A HREF=\"http://l/\">l</A>",
         "{Folder1{x{l <http://l/>}}}"},
    };
    for (const auto& [what, html, tree] : cases) EXPECT_EQ(tree, imported(html)) << what;
}

TEST(NetscapeImporter, ResolvesAddressesAgainstTheBase) {
    // A file that cannot be opened gives nothing.
    NetscapeImporter missing("/nonexistent/linkhaven/x.html");
    EXPECT_EQ("{}", itemLog(missing));
    // Without a base an address is taken as it stands when it has a scheme, place: queries aside.
    EXPECT_EQ("{s <HtTpS://x/>, f <ftp://x/>, j <javascript:alert(1)>, m <mailto:a@b>}",
              imported(kDoctype + "<DL><DT><A HREF=\"HtTpS://x/\">s</A><DT><A HREF=\"ftp://x/\">f</A>"
                       "<DT><A HREF=\"place:sort=8\">q</A><DT><A HREF=\"javascript:alert(1)\">j</A>"
                       "<DT><A HREF=\"mailto:a@b\">m</A><DT><A HREF=\"C:\\x.html\">c</A><DT><A HREF=\"\">z</A>"
                       "<DT><A HREF=page.html>p</A><DT><A HREF=calc.exe>e</A><DT><A HREF=/root>r</A>"
                       "<DT><A HREF=plain>n</A>"));
    EXPECT_EQ("{page <http://base/dir/page.html>, plain <http://base/dir/plain>, "
              "http://base/dir/sub/x <http://base/dir/sub/x>}",
              imported(kDoctype + "<BASE HREF=\"http://base/dir/\"><DL><DT><A HREF=page.html>page</A>"
                       "<DT><A HREF=plain>plain</A><DT><A HREF=sub/x></A><DT><A HREF=/abs>abs</A></DL>"));
    // A base without a host part resolves nothing: it cannot bring in a path or a script.
    for (const char* base : {"C:\\Windows\\System32\\calc.", "javascript:alert(1)//", "\\\\host\\share\\"})
        EXPECT_EQ("{}", imported(kDoctype + "<BASE HREF=\"" + base +
                                 "\"><DL><DT><A HREF=\"exe\">exe</A><DT><A HREF=x.html>x</A></DL>"))
            << base;
}

TEST(NetscapeImporter, ConvertsFromTheDeclaredCharsetOrElseTheAnsiCodePage) {
    // Titles and addresses alike; a reference is a character whatever the charset.
    const std::string link = "<DL><DT><A HREF=\"http://x/Café\">Café &#233;</A></DL>";
    const std::string asUtf8 = "Café", asWindows1252 = "CafÃ©";
    const std::pair<std::string, std::string> cases[] = {
        {"", asWindows1252},
        {"<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">", asUtf8},
        {"<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\">", asUtf8},
        {"<meta charset=\"UTF-8\">", asUtf8},
        {"\xEF\xBB\xBF", asUtf8},
        {"\xEF\xBB\xBF<meta charset=\"windows-1252\">", asWindows1252},
    };
    for (const auto& [head, text] : cases)
        EXPECT_EQ("{" + text + " é <http://x/" + text + ">}", imported(head + kDoctype + link)) << head;
    EXPECT_EQ("{Café crème Кафе <http://x/К%E9>}",
              imported(kDoctype + "<meta charset=\"windows-1251\"><DL><DT><A HREF=\"http://x/\xCA%E9\">"
                       "Caf&#233; cr&#232;me \xCA\xE0\xF4\xE5</A></DL>"));
}

TEST(NetscapeImporter, TruncatedFilesEndAtEveryByte) {
    const std::string html = kDoctype + "<META CHARSET=\"UTF-8\"><DL><p><DT><H3>Fé</H3><DD>d<DL><p>"
                                        "<DT><A HREF=\"http://a/?q=1&amp;r\">A &amp; B</A><DD>x %41\n</DL><p></DL>";
    for (std::size_t cut = 0; cut <= html.size(); ++cut)
        EXPECT_EQ(std::string::npos, imported(html.substr(0, cut)).find("(no end)")) << cut;
}
