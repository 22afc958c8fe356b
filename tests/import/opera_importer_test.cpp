#include "import/opera_importer.h"

#include <gtest/gtest.h>

#include "item_log.h"
#include "test_files.h"

TEST(OperaImporter, ReadsHotlistsAsTheirWritersMeantThem) {
    const std::string header = "Opera Hotlist version 2.0\nOptions: encoding = utf8, version=3\n\n";
    const std::string link = "#URL\n\tNAME=x\n\tURL=http://x/\n\n", cafe = "#URL\n\tNAME=Caf\xC3\xA9\n\tURL=ab:c\n\n";
    const std::pair<std::string, std::string> cases[] = {
        {header + "#FOLDER\n\tID=1\n\tNAME=Caf\xC3\xA9\n\tDESCRIPTION=about it\n\n"
                  "#URL\n\tID=2\n\tNAME=Example\n\tURL=http://example.com/?x=1&y=2\n\n"
                  "#URL\n        NAME=a=b = c\n\tDESCRIPTION=  spaced  \n\tURL=ab:c\n\n"
                  "-\n\n"
                  "#SEPERATOR\n\tNAME=not an item\n\n#CONTACT\n\tNAME=Someone\n\tMAIL=a@b\n\n#NOTE\n\tNAME=A note\n\n"
                  "  #URL\n\tNAME=indented marker\n\n"
                  "#URL\r\n\tNAME=old\r\n\tname=top\r\n\tURL=http://top/\r\n\r\n",
         "{Caf\xC3\xA9 \"about it\"{Example <http://example.com/?x=1&y=2>, a=b = c \"  spaced  \" <ab:c>}, "
         "top <http://top/>}"},
        // The encoding the header names; anything else is in the ANSI code page.
        {header + cafe, "{Caf\xC3\xA9 <ab:c>}"},
        {"Opera Hotlist version 2.0\nOptions:encoding=utf8,version=3\n\n" + cafe, "{Caf\xC3\xA9 <ab:c>}"},
        {"Opera Hotlist version 2.0\noptions: ENCODING=utf-8\n\n" + cafe, "{Caf\xC3\xA9 <ab:c>}"},
        {"\xEF\xBB\xBFOpera Hotlist version 2.0\n\n" + cafe, "{Caf\xC3\xA9 <ab:c>}"},
        {"Opera Hotlist version 2.0\nOptions: encoding=UTF8\n\n" + cafe, "{Caf\xC3\xA9 <ab:c>}"},
        {"Opera Hotlist version 2.0\n\n" + cafe, "{Caf\xC3\x83\xC2\xA9 <ab:c>}"},
        {"Opera Hotlist version 2.0\nOptions: encoding=windows-1251\n\n" + cafe, "{Caf\xD0\x93\xC2\xA9 <ab:c>}"},
        // Bad headers.
        {"Options: encoding=utf8\n\n" + link, "{}"},
        {"", "{}"},
        {"Opera Hotlist version 2.0\nOptions: encoding=utf8", "{}"},
        // Not the first line, or no empty line after it: still a hotlist.
        {"\nOpera Hotlist version 2.0\n\n" + link, "{x <http://x/>}"},
        {"Opera Hotlist version 2.0\n" + link, "{x <http://x/>}"},
        // A "-" with no folder open is stray: the rest of the file still counts.
        {header + "-\n" + link, "{x <http://x/>}"},
        // Marker lines with trailing blanks; folders the file never closes.
        {header + "#FOLDER \r\n\tNAME=f\n\n#FOLDER\n\n" + link, "{f{{x <http://x/>}}}"},
        {header + "#URL\n\tURL=ab:c\n\tNAME=cut", "{cut <ab:c>}"},
        // Records ended by a line of blanks, or by the next record itself.
        {header + "#FOLDER\n\tNAME=f\n    \n#URL\n\tURL=ab:a\n#URL\n\tURL=ab:b\n-\n#URL\n\tURL=ab:c\n",
         "{f{<ab:a>, <ab:b>}, <ab:c>}"},
    };
    TemporaryFolder folder;
    for (const auto& [hotlist, tree] : cases) {
        writeFileBytes(folder.file("bookmarks.adr"), hotlist);
        OperaImporter importer(folder.file("bookmarks.adr"));
        EXPECT_EQ(tree, itemLog(importer)) << hotlist;
    }
}
