// Run with files limited in size (scripts/with-file-size-limit): a save that
// fails half-way must leave the file that was there whole.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/collection.h"
#include "test_files.h"

TEST(CollectionSaveFault, AFailedWriteLeavesTheOldFileWhole) {
    const char* limitText = std::getenv("LINKHAVEN_FILE_SIZE_LIMIT");
    if (!limitText) GTEST_SKIP() << "needs a file size limit: run through scripts/with-file-size-limit";
    const std::size_t limit = std::strtoul(limitText, nullptr, 10);

    TemporaryFolder folder;
    const std::string path = folder.file("c.lhv");
    Collection c;
    c.setTitle(&c, "small");
    ASSERT_TRUE(c.save(path));
    const std::string before = readFileBytes(path);

    // Well past the limit, and past the writer's buffer, so the failure comes from a real write.
    const std::string text(1000, 'x');
    while (c.childCount() * 3 * text.size() < 4 * limit + (2u << 20)) {
        Link* link = c.appendLink(&c).node()->asLink();
        c.setTitle(link, text);
        c.setDescription(link, text);
        c.setUrl(link, text);
    }
    EXPECT_FALSE(c.save(path));
    EXPECT_TRUE(c.modified);
    EXPECT_EQ(before, readFileBytes(path));
    EXPECT_EQ(1u, folder.entryCount()) << "the temporary file was left behind";
}
