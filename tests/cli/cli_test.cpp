// The commands of linkhaven-cli, each run as main() runs it, with what it
// writes to standard output and standard error.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/browser_command_command.h"
#include "cli/export_command.h"
#include "cli/import_command.h"
#include "cli/list_command.h"
#include "core/collection.h"
#include "core/file_io.h"
#include "export_test_trees.h"
#include "test_files.h"
#include "tree_text.h"

namespace {
using CommandFunction = int (*)(const std::vector<std::string>&, std::FILE*, std::FILE*);

class Cli : public testing::Test {
protected:
    TemporaryFolder folder, streams;  // the command's files; what it writes to out and err
    std::string out, err;

    // The command's exit status; `out` and `err` hold what it wrote.
    int run(CommandFunction command, const std::vector<std::string>& arguments) {
        const std::string outPath = streams.file("out.txt"), errPath = streams.file("err.txt");
        std::FILE* outFile = std::fopen(outPath.c_str(), "wb");
        std::FILE* errFile = std::fopen(errPath.c_str(), "wb");
        const int status = command(arguments, outFile, errFile);
        std::fclose(outFile);
        std::fclose(errFile);
        out = readFileBytes(outPath);
        err = readFileBytes(errPath);
        return status;
    }
};
}  // namespace

TEST_F(Cli, EveryCommandRefusesTheWrongNumberOfArguments) {
    const std::tuple<CommandFunction, std::vector<std::string>, const char*> cases[] = {
        {runListCommand, {}, "usage: linkhaven-cli list"},
        {runListCommand, {"a", "b"}, "usage: linkhaven-cli list"},
        {runExportCommand, {"c.lhv", "t.lht"}, "usage: linkhaven-cli export"},
        {runImportCommand, {"only.lhv"}, "usage: linkhaven-cli import"},
        {runBrowserCommandCommand, {"browser.exe"}, "usage: linkhaven-cli browser-command COMMAND ADDRESS\n"},
    };
    for (const auto& [command, arguments, usage] : cases) {
        EXPECT_EQ(2, run(command, arguments)) << usage;
        EXPECT_EQ(0u, err.find(usage)) << err;
        EXPECT_EQ("", out);
    }
    EXPECT_EQ(0u, folder.entryCount());  // nothing written
}

// One node a line in UTF-8; what could be read of a damaged file; files that cannot be opened.
TEST_F(Cli, ListPrintsOneNodeALineOrWhyNot) {
    Collection c;
    buildTree(c, "Caf\xC3\xA9 \xE2\x82\xAC{News\\x0D\\x0Aand more{Example \"not shown\" <http://example.com/>, {}}, "
                 "\xE2\x80\x9C\xE4\xB9\xA6\xF0\x9F\x94\xA5\xE2\x80\x9D <>}");  // “书🔥”
    const std::string path = folder.file("c.lhv");
    ASSERT_TRUE(c.save(path));

    const std::string firstLines = "Caf\xC3\xA9 \xE2\x82\xAC\n"
                                   "  + News  and more\n"
                                   "    - Example <http://example.com/>\n"
                                   "    + \n";
    EXPECT_EQ(0, run(runListCommand, {path}));
    EXPECT_EQ(firstLines + "  - \xE2\x80\x9C\xE4\xB9\xA6\xF0\x9F\x94\xA5\xE2\x80\x9D <>\n", out);
    EXPECT_EQ("", err);

    // A damaged file: what could be read, and a message.
    std::string bytes = readFileBytes(path);
    writeFileBytes(path, bytes.substr(0, bytes.size() - 1));
    EXPECT_EQ(1, run(runListCommand, {path}));
    EXPECT_EQ(firstLines, out);
    EXPECT_NE(std::string::npos, err.find("damaged")) << err;
    EXPECT_EQ(1, std::count(err.begin(), err.end(), '\n'));

    EXPECT_EQ(1, run(runListCommand, {folder.file("missing.lhv")}));
    EXPECT_EQ("", out);
    EXPECT_NE(std::string::npos, err.find("cannot open")) << err;
    writeFileBytes(folder.file("text.lhv"), "some text");
    EXPECT_EQ(1, run(runListCommand, {folder.file("text.lhv")}));
    EXPECT_EQ("", out);
    EXPECT_EQ("linkhaven-cli: cannot open " + folder.file("text.lhv") + ": not a file of the expected kind\n", err);
}

TEST_F(Cli, ExportWritesTheOutputOrReportsWhyNot) {
    const std::string collectionPath = folder.file("c.lhv"), templatePath = folder.file("t.lht"),
                      outputPath = folder.file("out.html");
    Collection collection;
    buildExampleTree(collection);
    ASSERT_TRUE(collection.save(collectionPath));

    writeFileBytes(templatePath, "{collection}{url}{title} {link}{nl}{/url}{/collection}");
    EXPECT_EQ(0, run(runExportCommand, {collectionPath, templatePath, outputPath}));
    EXPECT_EQ("", err);
    EXPECT_EQ("Alpha a.html\r\nGamma g.html\r\n", readFileBytes(outputPath));
    removeFile(outputPath);

    // The export's own message (its texts: UrlExportError tests), on a line of its own.
    const std::string collectionBytes = readFileBytes(collectionPath);
    EXPECT_EQ(1, run(runExportCommand, {collectionPath, templatePath, collectionPath}));
    EXPECT_EQ(0u, err.find("linkhaven-cli: The export file \"" + collectionPath + "\" is the collection itself"));
    EXPECT_EQ('\n', err.back());
    EXPECT_EQ(collectionBytes, readFileBytes(collectionPath));

    writeFileBytes(collectionPath, "not a collection");
    EXPECT_EQ(1, run(runExportCommand, {collectionPath, templatePath, outputPath}));
    EXPECT_NE(std::string::npos, err.find("cannot read the collection"));
    EXPECT_FALSE(fileExists(outputPath));
}

TEST_F(Cli, ImportTakesThePathsInOrderIntoANewCollectionOrSaysWhyNot) {
    writeFileBytes(folder.file("a.url"), "[InternetShortcut]\nURL=http://a/\n");
    writeFileBytes(folder.file("c.txt"), "notes");
    writeFileBytes(folder.file("b.html"), "<!DOCTYPE NETSCAPE-Bookmark-file-1><DL><DT><A HREF=\"http://b/\">b</A>"
                                          "<DT><A HREF=\"place:sort=8\">recent</A></DL>");
    const std::string output = folder.file("out.lhv");
    ASSERT_EQ(0, run(runImportCommand, {output, folder.file("b.html"), folder.file("a.url"), folder.file("c.txt")}));
    EXPECT_EQ("0 folders, 2 links imported into '" + output + "'\nskipped 1 place: query, 1 other file\n", out);
    Collection collection;
    ASSERT_TRUE(collection.load(output));
    EXPECT_EQ("{b <http://b/>, a <http://a/>}", treeText(collection));
    EXPECT_EQ(1, run(runImportCommand, {folder.file("no/such/folder/out.lhv"), folder.file("a.url")}));

    // A path that cannot be read is an error, and an empty file is said to be so.
    removeFile(output);
    const std::string missing = folder.file("no/such/file.html"), empty = folder.file("empty.html");
    writeFileBytes(empty, "<html></html>");
    const std::string notFound = "linkhaven-cli: cannot import " + missing + ": not found\n";
    const std::string noBookmarks = "linkhaven-cli: no bookmarks found in " + empty + "\n";
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{output, missing}, 1, notFound},
        {{output, empty, missing}, 1, noBookmarks + notFound},
        {{output, empty}, 0, noBookmarks},
    };
    for (const auto& [arguments, status, message] : cases) {
        EXPECT_EQ(status, run(runImportCommand, arguments));
        EXPECT_EQ(message, err);
        EXPECT_EQ(status == 0, fileExists(output)) << message;  // no output after an error
    }
}

// What a registered browser command would run: the address is one argument
// that cannot add arguments of its own, and only a scheme opens.
TEST_F(Cli, BrowserCommandShowsWhatALaunchWouldRun) {
    const struct {
        const char *command, *address;
        int status;
        const char *out, *err;
    } cases[] = {
        {"\"C:\\Program Files\\B\\b.exe\" \"%1\"", "http://a/x y\"", 0,
         "program: C:\\Program Files\\B\\b.exe\narguments: \"http://a/x%20y%22\"\n", ""},
        {"b.exe -new", "file:///C:/x.exe", 0,
         "asks first: the scheme is not http, https, ftp or mailto\nprogram: b.exe\narguments: -new file:///C:/x.exe\n",
         ""},
        {"", "mailto:x@a \"y\"", 0, "shell: mailto:x@a%20%22y%22\n", ""},
        {"b.exe %1", "--gpu-launcher=\"x\"", 1, "",
         "not opened: --gpu-launcher=%22x%22 does not begin with a scheme such as http:\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.status, run(runBrowserCommandCommand, {c.command, c.address})) << c.address;
        EXPECT_EQ(c.out, out) << c.address;
        EXPECT_EQ(c.err, err) << c.address;
    }
}
