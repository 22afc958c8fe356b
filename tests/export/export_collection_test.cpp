#include "export/export_collection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/collection.h"
#include "core/file_io.h"
#include "core/memory_bytes.h"
#include "export/same_file.h"
#include "export/template_output.h"
#include "export/url_export_error.h"
#include "export_test_trees.h"
#include "test_files.h"

namespace {
class ExportCollection : public testing::Test {
protected:
    TemporaryFolder folder;
    Collection collection;
    std::string templatePath = folder.file("t.lht");
    std::string outputPath = folder.file("out.txt");

    void SetUp() override { buildExampleTree(collection); }
};
}  // namespace

// Every line feed written, of the template's text or of a value, becomes CR
// LF; a lone CR stays.
TEST_F(ExportCollection, WritesTheExampleWithCrLfLineEnds) {
    collection.setTitle(&collection, "a\nb\rc");
    writeFileBytes(templatePath,
                   "{title}|\r|{nl}{collection}\r\n"
                   "{folderstart}[{level}{/folderstart}\r\n"
                   "{folder}F {id} {title} in {parentid}{nl}{/folder}\r\n"
                   "{url}L {id} {title} = {link} in {parentid}{nl}{/url}\r\n"
                   "{folderend}]{nl}{/folderend}\r\n"
                   "{/collection}total {id}{nl}\r\n");
    writeFileBytes(outputPath, "an older export, longer than the new one" + std::string(100, '.'));
    ASSERT_TRUE(exportCollection(collection, templatePath, outputPath));
    EXPECT_EQ("a\r\nb\rc|\r|\r\n[1L 1 Alpha = a.html in 0\r\nF 2 Beta in 0\r\n[2L 3 Gamma = g.html in 2\r\n]\r\n]\r\n"
              "total 3\r\n", readFileBytes(outputPath));
    EXPECT_EQ(2u, folder.entryCount());  // no temporary file left behind
}

TEST_F(ExportCollection, AFailedExportLeavesTheOldOutputAsItWas) {
    // Each template, and the mistake and line that the result names with the template.
    const std::tuple<const char*, int, int> cases[] = {
        {"{collection}{url}", 4, 1}, {"{title}\n{unknown}", 5, 2}, {"{collection}\r\n{folder}{title", 3, 2}};
    for (const auto& [bad, code, line] : cases) {
        writeFileBytes(templatePath, bad);
        writeFileBytes(outputPath, "the export of last week");
        const Result mistake = exportCollection(collection, templatePath, outputPath);
        EXPECT_EQ(std::make_tuple(ResultStatus::TemplateMistake, code, line, templatePath),
                  std::make_tuple(mistake.status, mistake.code, mistake.line, mistake.path)) << bad;
        EXPECT_EQ("the export of last week", readFileBytes(outputPath)) << bad;
        EXPECT_EQ(2u, folder.entryCount()) << bad;
    }
    // No output file at all: none appears.
    removeFile(outputPath);
    EXPECT_EQ(3, exportCollection(collection, templatePath, outputPath).code);
    EXPECT_FALSE(fileExists(outputPath));
}

TEST_F(ExportCollection, ATemplateThatCannotBeReadOrAnOutputThatCannotBeWrittenChangesNoFile) {
    writeFileBytes(templatePath, "{title}");
    writeFileBytes(outputPath, "kept");
    const std::tuple<std::string, std::string, int, ResultStatus> cases[] = {
        {folder.file("missing.lht"), outputPath, 1, ResultStatus::NotFound},
        {folder.file("missing.lht"), folder.file("new.txt"), 1, ResultStatus::NotFound},
        {folder.path(), outputPath, 1, ResultStatus::NoAccess},  // a folder is no template
        {templatePath, templatePath, 2, ResultStatus::WriteFailed},
        {templatePath, folder.path() + "/./t.lht", 2, ResultStatus::WriteFailed},
        {templatePath, folder.file("no such folder/out.txt"), 2, ResultStatus::WriteFailed},
        {templatePath, folder.path(), 2, ResultStatus::WriteFailed},  // a folder cannot be replaced by a file
    };
    for (const auto& [templateFile, outputFile, code, status] : cases) {
        const Result result = exportCollection(collection, templateFile, outputFile);
        EXPECT_EQ(std::make_pair(code, status), std::make_pair(result.code, result.status))
            << templateFile << " into " << outputFile;
        EXPECT_EQ("{title}", readFileBytes(templatePath));
        EXPECT_EQ("kept", readFileBytes(outputPath));
        EXPECT_EQ(2u, folder.entryCount());
    }
}

// Paths are UTF-8: a file named in another script is known by any spelling.
TEST_F(ExportCollection, KnowsAFileNamedInAnyScript) {
    const std::string name = "Привет 中.lht";
    const std::string path = folder.path() + "/" + name;  // UTF-8, which a narrow std::filesystem path is not
    std::ofstream(std::filesystem::path(std::u8string(path.begin(), path.end()))) << "{title}";
    writeFileBytes(templatePath, "{title}");
    EXPECT_TRUE(isSameExistingFile(path, folder.path() + "/./" + name));
    EXPECT_FALSE(isSameExistingFile(path, templatePath));
}

#ifndef _WIN32
TEST_F(ExportCollection, ReplacedFilesKeepTheirPermissions) {
    namespace fs = std::filesystem;
    const std::string collectionPath = folder.file("c.lhv");
    ASSERT_TRUE(collection.save(collectionPath));
    fs::permissions(collectionPath, fs::perms(0600));
    writeFileBytes(templatePath, "{title}");
    writeFileBytes(outputPath, "older");
    fs::permissions(outputPath, fs::perms(0640));
    ASSERT_TRUE(collection.save(collectionPath));
    ASSERT_TRUE(exportCollection(collection, templatePath, outputPath));
    EXPECT_EQ(fs::perms(0600), fs::status(collectionPath).permissions());
    EXPECT_EQ(fs::perms(0640), fs::status(outputPath).permissions());
}
#endif

TEST(TemplateOutput, AWriteThatFailsAsOnAFullDiskIsReported) {
    struct FailingSink final : ByteSink {
        bool write(const char*, std::size_t) override { return false; }
    } sink;
    TemplateOutput out(sink);
    out.write("some text\n");
    EXPECT_FALSE(out.flush());
    EXPECT_TRUE(out.failed());
}

TEST(TemplateOutput, LineEndsStayWholeWhereTheBufferIsHandedOn) {
    // Pieces that fill the buffer to one byte short of its end, so that a
    // CR LF and the copies around it are split across the hand-over.
    const std::string fill((1 << 20) - 1, 'a');
    for (const std::string_view piece : {"\n", "\nb", "x\ny\nz", "0123456789012345678901234567890123456789\n"}) {
        MemorySink sink;
        TemplateOutput out(sink);
        out.write(fill);
        out.write(piece);
        out.write("\n");
        ASSERT_TRUE(out.flush());
        std::string expected = fill;
        for (const char c : std::string(piece) + "\n") expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
        EXPECT_TRUE(sink.bytes() == expected) << piece;
    }
}
