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

// A published page must not carry a script in a link; a bookmark file keeps
// every address, as browsers' own exports do.
TEST(ShippedTemplates, PageLinksOnlyWebAddressesAndBookmarksKeepEveryOne) {
    Collection collection;
    collection.setTitle(&collection, "Mixed");
    const char* const addresses[] = {"javascript:alert(document.cookie)", "http://a.example/",
                                     "JavaScript:alert(1)", "mailto:anna@example.com", " javascript:alert(2)"};
    for (const char* address : addresses) collection.setUrl(collection.appendLink(&collection).node()->asLink(), address);
    TemporaryFolder folder;
    const std::string page = folder.file("page.html"), bookmarks = folder.file("bookmarks.html");
    ASSERT_TRUE(exportCollection(collection, kSourceDir + "/templates/page.lht", page));
    ASSERT_TRUE(exportCollection(collection, kSourceDir + "/templates/bookmarks.lht", bookmarks));

    std::string lowered = readFileBytes(page);
    for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(std::string::npos, lowered.find("href=\"javascript:")) << lowered;
    EXPECT_EQ(std::string::npos, lowered.find("href=\" javascript:")) << lowered;
    EXPECT_NE(std::string::npos, lowered.find("<a href=\"http://a.example/\">"));
    EXPECT_NE(std::string::npos, lowered.find("<a href=\"mailto:anna@example.com\">"));
    EXPECT_NE(std::string::npos, lowered.find("<code>javascript:alert(document.cookie)</code>"));
    EXPECT_NE(std::string::npos, readFileBytes(bookmarks).find("HREF=\"JavaScript:alert(1)\""));
}
