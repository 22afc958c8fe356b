// The templates shipped in templates/, each run over a real collection and
// compared with the file it must give, byte for byte.

#include <gtest/gtest.h>

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
