#include "cli/import_command.h"

#include <gtest/gtest.h>

#include "cli/list_command.h"
#include "core/collection.h"
#include "test_files.h"
#include "tree_text.h"

namespace {
int runImport(const std::vector<std::string>& arguments, const TemporaryFolder& folder, std::string* err = nullptr) {
    std::FILE* out = std::fopen(folder.file("out.txt").c_str(), "wb");
    std::FILE* errFile = std::fopen(folder.file("err.txt").c_str(), "wb");
    int status = runImportCommand(arguments, out, errFile);
    std::fclose(out);
    std::fclose(errFile);
    if (err) *err = readFileBytes(folder.file("err.txt"));
    return status;
}
}  // namespace

TEST(ImportCommand, ImportsThePathsInOrderIntoANewCollection) {
    TemporaryFolder folder;
    writeFileBytes(folder.file("a.url"), "[InternetShortcut]\nURL=http://a/\n");
    writeFileBytes(folder.file("c.txt"), "notes");
    writeFileBytes(folder.file("b.html"), "<!DOCTYPE NETSCAPE-Bookmark-file-1><DL><DT><A HREF=\"http://b/\">b</A>"
                                          "<DT><A HREF=\"place:sort=8\">recent</A></DL>");
    const std::string output = folder.file("out.lhv");
    ASSERT_EQ(0, runImport({output, folder.file("b.html"), folder.file("a.url"), folder.file("c.txt")}, folder));
    EXPECT_EQ("0 folders, 2 links imported into '" + output + "'\nskipped 1 place: query, 1 other file\n",
              readFileBytes(folder.file("out.txt")));

    Collection collection;
    ASSERT_TRUE(collection.load(output));
    EXPECT_EQ("F \"\" \"\"\n"
              "  L \"b\" \"\" \"http://b/\"\n"
              "  L \"a\" \"\" \"http://a/\"\n",
              treeText(collection));
}

TEST(ImportCommand, ReportsBadUsageAndFailedSaves) {
    TemporaryFolder folder;
    EXPECT_EQ(2, runImport({}, folder));
    EXPECT_EQ(2, runImport({folder.file("only.lhv")}, folder));
    EXPECT_EQ(1, runImport({folder.file("no/such/folder/out.lhv"), folder.path()}, folder));
}

TEST(ImportCommand, APathThatCannotBeReadIsAnErrorAndAnEmptyFileIsSaidToBeSo) {
    TemporaryFolder folder;
    const std::string output = folder.file("out.lhv"), missing = folder.file("no/such/file.html");
    const std::string empty = folder.file("empty.html");
    writeFileBytes(empty, "<html></html>");
    const std::string notFound = "linkhaven-cli: cannot import " + missing + ": not found\n";
    const std::string noBookmarks = "linkhaven-cli: no bookmarks found in " + empty + "\n";
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string message;
    } cases[] = {
        {{output, missing}, 1, notFound},
        {{output, empty, missing}, 1, noBookmarks + notFound},
        {{output, empty}, 0, noBookmarks},
    };
    for (const Case& test : cases) {
        std::string err;
        EXPECT_EQ(test.status, runImport(test.arguments, folder, &err));
        EXPECT_EQ(test.message, err);
        EXPECT_EQ(test.status == 0, fileExists(output)) << test.message;  // no output after an error
    }
}
