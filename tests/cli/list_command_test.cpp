#include "cli/list_command.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/collection.h"
#include "test_files.h"

namespace {
class ListCommand : public testing::Test {
protected:
    TemporaryFolder folder;
    std::string outPath = folder.file("out.txt"), errPath = folder.file("err.txt");
    std::string out, err;

    int run(const std::vector<std::string>& arguments) {
        std::FILE* outFile = std::fopen(outPath.c_str(), "wb");
        std::FILE* errFile = std::fopen(errPath.c_str(), "wb");
        int status = runListCommand(arguments, outFile, errFile);
        std::fclose(outFile);
        std::fclose(errFile);
        out = readFileBytes(outPath);
        err = readFileBytes(errPath);
        return status;
    }
};
}  // namespace

TEST_F(ListCommand, PrintsOneNodeALineInUtf8) {
    Collection c;
    c.setTitle(&c, "Caf\xC3\xA9 \xE2\x82\xAC");
    Folder* news = c.appendFolder(&c).node()->asFolder();
    c.setTitle(news, "News\r\nand more");
    Link* link = c.appendLink(news).node()->asLink();
    c.setTitle(link, "Example");
    c.setUrl(link, "http://example.com/");
    c.setDescription(link, "not shown");
    c.appendFolder(news);
    c.setTitle(c.appendLink(&c).node(), "\xE2\x80\x9C\xE4\xB9\xA6\xF0\x9F\x94\xA5\xE2\x80\x9D");  // “书🔥”
    const std::string path = folder.file("c.lhv");
    ASSERT_TRUE(c.save(path));

    EXPECT_EQ(0, run({path}));
    EXPECT_EQ("Caf\xC3\xA9 \xE2\x82\xAC\n"
              "  + News  and more\n"
              "    - Example <http://example.com/>\n"
              "    + \n"
              "  - \xE2\x80\x9C\xE4\xB9\xA6\xF0\x9F\x94\xA5\xE2\x80\x9D <>\n",
              out);
    EXPECT_EQ("", err);

    // A damaged file: what could be read, and a message.
    std::string bytes = readFileBytes(path);
    writeFileBytes(path, bytes.substr(0, bytes.size() - 1));
    EXPECT_EQ(1, run({path}));
    EXPECT_EQ("Caf\xC3\xA9 \xE2\x82\xAC\n"
              "  + News  and more\n"
              "    - Example <http://example.com/>\n"
              "    + \n",
              out);
    EXPECT_NE(std::string::npos, err.find("damaged")) << err;
    EXPECT_EQ(1, std::count(err.begin(), err.end(), '\n'));
}

TEST_F(ListCommand, ReportsFilesItCannotOpenAndBadUsage) {
    EXPECT_EQ(1, run({folder.file("missing.lhv")}));
    EXPECT_EQ("", out);
    EXPECT_NE(std::string::npos, err.find("cannot open")) << err;
    writeFileBytes(folder.file("text.lhv"), "some text");
    EXPECT_EQ(1, run({folder.file("text.lhv")}));
    EXPECT_EQ("", out);
    EXPECT_EQ("linkhaven-cli: cannot open " + folder.file("text.lhv") + ": not a file of the expected kind\n", err);
    EXPECT_EQ(2, run({}));
    EXPECT_EQ(2, run({"a", "b"}));
    EXPECT_NE(std::string::npos, err.find("usage")) << err;
}
