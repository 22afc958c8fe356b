// A collection exported through the shipped Netscape template and imported
// again gives the same folders, links, titles and addresses in the same
// order; descriptions come back with their line breaks and runs of blanks
// folded, as the importer folds all text.

#include <gtest/gtest.h>

#include "core/collection.h"
#include "export/export_collection.h"
#include "export_test_trees.h"
#include "import/item_insertion.h"
#include "import/netscape_importer.h"
#include "test_files.h"
#include "tree_text.h"

namespace {
std::string folded(std::string_view text) {
    std::string out;
    for (char c : text) {
        const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (blank && (out.empty() || out.back() == ' ')) continue;
        out += blank ? ' ' : c;
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// The tree as an import gives it back: no collection title, descriptions folded.
void foldDescriptions(Collection& c, Folder* folder) {
    for (ChildPosition p = folder->childrenBegin(); !p.isEnd(); ++p) {
        c.setDescription(p.node(), folded(p.node()->description));
        if (Folder* sub = p.node()->asFolder()) foldDescriptions(c, sub);
    }
}
}  // namespace

TEST(BookmarksRoundTrip, ExportThenImportGivesTheSameTree) {
    Collection original;
    buildSampleTree(original);
    Folder* secure = original.appendFolder(&original).node()->asFolder();
    original.setTitle(secure, "Secure \"quoted\" & <tagged>");
    Link* https = original.appendLink(secure).node()->asLink();
    original.setTitle(https, "100% sure: a 'quote'");
    original.setUrl(https, "https://example.com/a?b=1&c=%22x%22#frag");
    original.setDescription(https, "tabs\tand\t\tblanks   here");

    TemporaryFolder folder;
    const std::string output = folder.file("bookmarks.html");
    exportCollection(original, LINKHAVEN_SOURCE_DIR "/templates/bookmarks.lht", output);

    Collection imported;
    NetscapeImporter importer(output);
    insertItems(imported, &imported, importer);

    original.setTitle(&original, "");
    original.setDescription(&original, "");
    foldDescriptions(original, &original);
    EXPECT_EQ(treeText(original), treeText(imported));
}
