#include "cli/export_command.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/collection.h"
#include "export_test_trees.h"
#include "test_files.h"

namespace {
class ExportCommand : public testing::Test {
protected:
    TemporaryFolder folder;
    std::string collectionPath = folder.file("c.lhv");
    std::string templatePath = folder.file("t.lht");
    std::string outputPath = folder.file("out.txt");
    std::string errPath = folder.file("err.txt");
    std::string err;

    void SetUp() override {
        Collection collection;
        buildExampleTree(collection);
        ASSERT_TRUE(collection.save(collectionPath));
    }

    int run(const std::vector<std::string>& arguments) {
        std::FILE* errFile = std::fopen(errPath.c_str(), "wb");
        const int status = runExportCommand(arguments, stdout, errFile);
        std::fclose(errFile);
        err = readFileBytes(errPath);
        return status;
    }
};
}  // namespace

TEST_F(ExportCommand, WritesTheOutputFile) {
    writeFileBytes(templatePath, "{collection}{url}{title} {link}{nl}{/url}{/collection}");
    EXPECT_EQ(0, run({collectionPath, templatePath, outputPath}));
    EXPECT_EQ("", err);
    EXPECT_EQ("Alpha a.html\r\nGamma g.html\r\n", readFileBytes(outputPath));
}

TEST_F(ExportCommand, ReportsATemplateErrorAndLeavesNoOutput) {
    writeFileBytes(templatePath, "{collection}\n{url}{titel}{/url}{/collection}");
    EXPECT_EQ(1, run({collectionPath, templatePath, outputPath}));
    EXPECT_EQ("linkhaven-cli: Error in the export template \"" + templatePath +
                  "\", line 2: unknown keyword.",
              err.substr(0, err.find(" Check")));
    EXPECT_EQ('\n', err.back());
    EXPECT_FALSE(fileExists(outputPath));
    EXPECT_EQ(3u, folder.entryCount());  // the collection, the template and stderr's file
}

TEST_F(ExportCommand, RefusesABadCollectionAndBadUsage) {
    writeFileBytes(templatePath, "{title}");
    writeFileBytes(collectionPath, "not a collection");
    EXPECT_EQ(1, run({collectionPath, templatePath, outputPath}));
    EXPECT_NE(std::string::npos, err.find("cannot read the collection"));
    EXPECT_FALSE(fileExists(outputPath));

    EXPECT_EQ(2, run({collectionPath, templatePath}));
    EXPECT_EQ(0u, err.find("usage: linkhaven-cli export"));
}

TEST_F(ExportCommand, RefusesToWriteOverTheCollection) {
    writeFileBytes(templatePath, "{collection}{url}{link}{nl}{/url}{/collection}");
    const std::string collectionBytes = readFileBytes(collectionPath);
    EXPECT_EQ(1, run({collectionPath, templatePath, collectionPath}));
    EXPECT_EQ(0u, err.find("linkhaven-cli: The export file \"" + collectionPath + "\" is the collection itself"));
    EXPECT_EQ(collectionBytes, readFileBytes(collectionPath));
}
