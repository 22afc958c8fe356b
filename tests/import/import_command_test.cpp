#include "cli/import_command.h"

#include <gtest/gtest.h>

#include "cli/list_command.h"
#include "core/collection.h"
#include "test_files.h"
#include "tree_text.h"

namespace {
int runImport(const std::vector<std::string>& arguments, const TemporaryFolder& folder) {
    std::FILE* out = std::fopen(folder.file("out.txt").c_str(), "wb");
    std::FILE* err = std::fopen(folder.file("err.txt").c_str(), "wb");
    int status = runImportCommand(arguments, out, err);
    std::fclose(out);
    std::fclose(err);
    return status;
}
}  // namespace

TEST(ImportCommand, ImportsThePathsInOrderIntoANewCollection) {
    TemporaryFolder folder;
    writeFileBytes(folder.file("a.url"), "[InternetShortcut]\nURL=http://a/\n");
    writeFileBytes(folder.file("b.html"), "<!DOCTYPE NETSCAPE-Bookmark-file-1><DL><DT><A HREF=\"http://b/\">b</A></DL>");
    const std::string output = folder.file("out.lhv");
    ASSERT_EQ(0, runImport({output, folder.file("b.html"), folder.file("a.url")}, folder));

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
