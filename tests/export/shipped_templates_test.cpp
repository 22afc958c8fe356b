// The templates shipped in templates/, each run over a real collection and
// compared with the file it must give, byte for byte; and the bookmark file
// one gives, imported again.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "core/collection.h"
#include "export/export_collection.h"
#include "import/item_insertion.h"
#include "import/netscape_importer.h"
#include "test_files.h"
#include "tree_text.h"

namespace {
// Nested folders, descriptions with line breaks, text that HTML must escape
// and text in several scripts, among them an emoji outside the BMP, and an
// address in another script. A published page links web addresses only; a
// bookmark file keeps every one.
void buildSampleTree(Collection& c) {
    buildTree(c, R"(Anna's bookmarks "Collected since 2019"{News & weather "Read every morning\x0D\x0Abefore work"{)"
                 R"(The Daily \x3CPlanet\x3E "Local \x22news\x22\x0D\x0A\x0D\x0A  and   sport" )"
                 R"(<http://planet.example/news?id=1&lang=en>, Café météo <http://meteo.example/>, )"
                 R"(Tools{Search "Line one\x0DLine two\x0ALine three" <http://search.example/>}, Empty folder{}}, )"
                 R"(Recipes "Cakes\x2C bread and more" <http://recipes.example/cakes.html>, )"
                 R"(微博 🔥 Привет "— à & €" <https://例え.jp/パス>, Secure \x22quoted\x22 & \x3Ctagged\x3E{)"
                 R"(100% sure: a 'quote' "tabs\x09and\x09\x09blanks   here" )"
                 R"(<https://example.com/a?b=1&c=%22x%22#frag>}, )"
                 R"(Addresses{<javascript:alert(1)>, <JavaScript:alert(2)>, < javascript:alert(3)>, )"
                 R"(<java\x09script:alert(4)>, <data:text/html\x2Cx>, <HTTP://a.example/>, <mailto:a@b>}})");
}

class ShippedTemplates : public testing::TestWithParam<const char*> {};
}  // namespace

TEST_P(ShippedTemplates, GiveTheirGoldenFile) {
    const std::string name = GetParam();
    Collection collection;
    buildSampleTree(collection);
    TemporaryFolder folder;
    const std::string output = folder.file("out");
    exportCollection(collection, LINKHAVEN_SOURCE_DIR "/templates/" + name + ".lht", output);

    const std::string goldenPath = LINKHAVEN_SOURCE_DIR "/tests/export/golden/" + name + ".out";
    const std::string actual = readFileBytes(output);
    const std::string expected = fileExists(goldenPath) ? readFileBytes(goldenPath) : std::string();
    // Left beside the test program, to compare or to take as the new golden file.
    if (actual != expected) std::ofstream(name + ".actual", std::ios::binary) << actual;
    EXPECT_EQ(expected, actual) << "output of " << name << ".lht differs from " << goldenPath;
}

INSTANTIATE_TEST_SUITE_P(Templates, ShippedTemplates, testing::Values("bookmarks", "page", "list"));

// Exported through the bookmark file template and imported again, a collection
// gives the same folders, links, titles and addresses in the same order, with
// the blanks and line breaks of descriptions folded as the importer folds all text;
// only addresses that do not begin with their scheme are not taken again.
TEST(ShippedTemplates, TheBookmarkFileImportsAsTheTreeItCameFrom) {
    Collection original;
    buildSampleTree(original);
    TemporaryFolder folder;
    ASSERT_TRUE(exportCollection(original, LINKHAVEN_SOURCE_DIR "/templates/bookmarks.lht",
                                 folder.file("bookmarks.html")));

    Collection imported;
    NetscapeImporter importer(folder.file("bookmarks.html"));
    insertItems(imported, &imported, importer);
    EXPECT_EQ(R"({News & weather "Read every morning before work"{)"
              R"(The Daily \x3CPlanet\x3E "Local \x22news\x22 and sport" <http://planet.example/news?id=1&lang=en>, )"
              R"(Café météo <http://meteo.example/>, )"
              R"(Tools{Search "Line one Line two Line three" <http://search.example/>}, Empty folder{}}, )"
              R"(Recipes "Cakes\x2C bread and more" <http://recipes.example/cakes.html>, )"
              R"(微博 🔥 Привет "— à & €" <https://例え.jp/パス>, Secure \x22quoted\x22 & \x3Ctagged\x3E{)"
              R"(100% sure: a 'quote' "tabs and blanks here" <https://example.com/a?b=1&c=%22x%22#frag>}, Addresses{)"
              R"(javascript:alert(1) <javascript:alert(1)>, JavaScript:alert(2) <JavaScript:alert(2)>, )"
              R"(data:text/html\x2Cx <data:text/html\x2Cx>, HTTP://a.example/ <HTTP://a.example/>, )"
              R"(mailto:a@b <mailto:a@b>}})",
              treeText(imported));
}
