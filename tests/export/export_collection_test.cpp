#include "export/export_collection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/file_io.h"
#include "core/memory_bytes.h"
#include "export/template_output.h"
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

    // A template longer than one read of the file is read whole.
    writeFileBytes(templatePath, std::string(100000, ' ') + "{title}");
    ASSERT_TRUE(exportCollection(collection, templatePath, outputPath));
    EXPECT_EQ(std::string(100000, ' ') + "a\r\nb\rc", readFileBytes(outputPath));
}

// A failed export changes no file and leaves none behind; its result names the
// template, or the output for code 2.
TEST_F(ExportCollection, AFailedExportChangesNoFile) {
    // Paths are UTF-8: a file named in another script is known by any spelling.
    const std::string named = folder.path() + "/Привет 中.lht";  // UTF-8, which a narrow std::filesystem path is not
    std::ofstream(std::filesystem::path(std::u8string(named.begin(), named.end()))) << "{title}";
    writeFileBytes(outputPath, "kept");
    // Each template's text (written to t.lht), the template and output paths, and the result.
    const std::tuple<const char*, std::string, std::string, ResultStatus, int, int> cases[] = {
        {"{collection}{url}", templatePath, outputPath, ResultStatus::TemplateMistake, 4, 1},
        {"{title}\n{unknown}", templatePath, outputPath, ResultStatus::TemplateMistake, 5, 2},
        {"{collection}\r\n{folder}{title", templatePath, outputPath, ResultStatus::TemplateMistake, 3, 2},
        {"{collection}{url}", templatePath, folder.file("new.txt"), ResultStatus::TemplateMistake, 4, 1},
        {"{title}", folder.file("missing.lht"), outputPath, ResultStatus::NotFound, 1, 0},
        {"{title}", folder.file("missing.lht"), folder.file("new.txt"), ResultStatus::NotFound, 1, 0},
        {"{title}", folder.path(), outputPath, ResultStatus::NoAccess, 1, 0},  // a folder is no template
        {"{title}", templatePath, templatePath, ResultStatus::WriteFailed, 2, 0},
        {"{title}", templatePath, folder.path() + "/./t.lht", ResultStatus::WriteFailed, 2, 0},
        {"{title}", named, folder.path() + "/./Привет 中.lht", ResultStatus::WriteFailed, 2, 0},
        {"{title}", templatePath, folder.file("no such folder/out.txt"), ResultStatus::WriteFailed, 2, 0},
        {"{title}", templatePath, folder.path(), ResultStatus::WriteFailed, 2, 0},  // a folder cannot become a file
    };
    for (const auto& [text, templateFile, outputFile, status, code, line] : cases) {
        writeFileBytes(templatePath, text);
        const Result result = exportCollection(collection, templateFile, outputFile);
        EXPECT_EQ(std::make_tuple(status, code, line, code == 2 ? outputFile : templateFile),
                  std::make_tuple(result.status, result.code, result.line, result.path))
            << text << " from " << templateFile << " into " << outputFile;
        EXPECT_EQ(text, readFileBytes(templatePath));
        EXPECT_EQ("kept", readFileBytes(outputPath));
        EXPECT_EQ(3u, folder.entryCount());
    }
}

#ifndef _WIN32
TEST_F(ExportCollection, AReplacedOutputKeepsItsPermissions) {
    namespace fs = std::filesystem;
    writeFileBytes(templatePath, "{title}");
    writeFileBytes(outputPath, "older");
    fs::permissions(outputPath, fs::perms(0604));  // a mode no usual umask gives a new file
    ASSERT_TRUE(exportCollection(collection, templatePath, outputPath));
    EXPECT_EQ(fs::perms(0604), fs::status(outputPath).permissions());
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
