#include "import/opera_importer.h"

#include <gtest/gtest.h>

#include "item_log.h"
#include "test_files.h"

namespace {
constexpr const char* kHeader = "Opera Hotlist version 2.0\nOptions: encoding = utf8, version=3\n\n";

std::string imported(const std::string& hotlist) {
    TemporaryFolder folder;
    const std::string path = folder.file("bookmarks.adr");
    writeFileBytes(path, hotlist);
    OperaImporter importer(path);
    return itemLog(importer);
}
}  // namespace

TEST(OperaImporter, ReadsFoldersAndLinks) {
    EXPECT_EQ("{Caf\xC3\xA9 \"about it\"{Example <http://example.com/?x=1&y=2>, a=b = c \"  spaced  \" <ab:c>}, "
              "top <http://top/>}",
              imported(std::string(kHeader) +
                       "#FOLDER\n\tID=1\n\tNAME=Caf\xC3\xA9\n\tDESCRIPTION=about it\n\n"
                       "#URL\n\tID=2\n\tNAME=Example\n\tURL=http://example.com/?x=1&y=2\n\n"
                       "#URL\n        NAME=a=b = c\n\tDESCRIPTION=  spaced  \n\tURL=ab:c\n\n"
                       "-\n\n"
                       "#SEPERATOR\n\tNAME=not an item\n\n"
                       "  #URL\n\tNAME=indented marker\n\n"
                       "#URL\r\n\tNAME=old\r\n\tNAME=top\r\n\tURL=http://top/\r\n\r\n"));
}

TEST(OperaImporter, ReadsTheEncodingFromTheHeader) {
    const std::string records = "#URL\n\tNAME=Caf\xC3\xA9\n\tURL=ab:c\n\n";
    const std::pair<std::string, const char*> cases[] = {
        {"Opera Hotlist version 2.0\nOptions: encoding = utf8, version=3\n\n", "Caf\xC3\xA9"},
        {"Opera Hotlist version 2.0\nOptions:encoding=utf8,version=3\n\n", "Caf\xC3\xA9"},
        {"Opera Hotlist version 2.0\noptions: ENCODING=utf-8\n\n", "Caf\xC3\xA9"},
        {"\xEF\xBB\xBFOpera Hotlist version 2.0\n\n", "Caf\xC3\xA9"},
        // Anything else is in the ANSI code page, unless it names another.
        {"Opera Hotlist version 2.0\nOptions: encoding=UTF8\n\n", "Caf\xC3\x83\xC2\xA9"},
        {"Opera Hotlist version 2.0\n\n", "Caf\xC3\x83\xC2\xA9"},
        {"Opera Hotlist version 2.0\nOptions: encoding=windows-1251\n\n", "Caf\xD0\x93\xC2\xA9"},
    };
    for (const auto& [header, title] : cases)
        EXPECT_EQ("{" + std::string(title) + " <ab:c>}", imported(header + records)) << header;
}

TEST(OperaImporter, BadHeadersAndStrayLines) {
    const std::string link = "#URL\n\tNAME=x\n\tURL=http://x/\n\n";
    const std::pair<std::string, const char*> cases[] = {
        {"Options: encoding=utf8\n\n" + link, "{}"},
        {"", "{}"},
        {"Opera Hotlist version 2.0\nOptions: encoding=utf8", "{}"},
        // Not the first line, or no empty line after it: still a hotlist.
        {"\nOpera Hotlist version 2.0\n\n" + link, "{x <http://x/>}"},
        {"Opera Hotlist version 2.0\n" + link, "{x <http://x/>}"},
        // A "-" with no folder open is stray: the rest of the file still counts.
        {std::string(kHeader) + "-\n" + link, "{x <http://x/>}"},
        // Marker lines with trailing blanks; folders the file never closes.
        {std::string(kHeader) + "#FOLDER \r\n\tNAME=f\n\n#FOLDER\n\n" + link,
         "{f{{x <http://x/>}}}"},
        {std::string(kHeader) + "#URL\n\tURL=ab:c\n\tNAME=cut", "{cut <ab:c>}"},
        // Records ended by a line of blanks, or by the next record itself.
        {std::string(kHeader) + "#FOLDER\n\tNAME=f\n    \n#URL\n\tURL=ab:a\n#URL\n\tURL=ab:b\n-\n#URL\n\tURL=ab:c\n",
         "{f{<ab:a>, <ab:b>}, <ab:c>}"},
    };
    for (const auto& [hotlist, expected] : cases) EXPECT_EQ(expected, imported(hotlist)) << hotlist;
}
