// The templates shipped in templates/, each run over a real collection and
// compared with the file it must give, byte for byte.

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <string>

#include "core/collection.h"
#include "export/export_collection.h"
#include "export_test_trees.h"
#include "test_files.h"

namespace {
const std::string kSourceDir = LINKHAVEN_SOURCE_DIR;

class ShippedTemplates : public testing::TestWithParam<const char*> {};
}  // namespace

TEST_P(ShippedTemplates, GiveTheirGoldenFile) {
    const std::string name = GetParam();
    Collection collection;
    buildSampleTree(collection);
    TemporaryFolder folder;
    const std::string output = folder.file("out");
    exportCollection(collection, kSourceDir + "/templates/" + name + ".lht", output);

    const std::string goldenPath = kSourceDir + "/tests/export/golden/" + name + ".out";
    const std::string actual = readFileBytes(output);
    const std::string expected = fileExists(goldenPath) ? readFileBytes(goldenPath) : std::string();
    if (actual != expected) {
        // Left beside the test program, to compare or to take as the new golden file.
        std::ofstream(name + ".actual", std::ios::binary) << actual;
    }
    EXPECT_EQ(expected, actual) << "output of " << name << ".lht differs from " << goldenPath;
}

INSTANTIATE_TEST_SUITE_P(Templates, ShippedTemplates, testing::Values("bookmarks", "page", "list"));

// A published page links web addresses only; a bookmark file keeps every one.
TEST(ShippedTemplates, PageLinksOnlyWebAddresses) {
    Collection c;
    for (const char* address : {"javascript:alert(1)", "JavaScript:alert(2)", " javascript:alert(3)",
                                "java\tscript:alert(4)", "data:text/html,x", "HTTP://a.example/", "mailto:a@b"})
        c.setUrl(c.appendLink(&c).node()->asLink(), address);
    TemporaryFolder folder;
    ASSERT_TRUE(exportCollection(c, kSourceDir + "/templates/page.lht", folder.file("page")));
    ASSERT_TRUE(exportCollection(c, kSourceDir + "/templates/bookmarks.lht", folder.file("bookmarks")));
    std::string page = readFileBytes(folder.file("page"));
    for (char& ch : page) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    EXPECT_EQ(std::string::npos, page.find("href=\"javascript:"));
    EXPECT_NE(std::string::npos, page.find("<a href=\"http://a.example/\">"));
    std::size_t links = 0;
    for (std::size_t at = page.find("href="); at != std::string::npos; at = page.find("href=", at + 1)) ++links;
    EXPECT_EQ(2u, links) << page;
    EXPECT_NE(std::string::npos, readFileBytes(folder.file("bookmarks")).find("HREF=\"JavaScript:alert(2)\""));
}
