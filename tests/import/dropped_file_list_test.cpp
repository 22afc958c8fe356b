// The files of a drop handle, built here as the shell builds one.

#include "import/dropped_file_list.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "test_files.h"

TEST(DroppedFileList, HandsOutThePathsInOrderWithTheirAttributes) {
    TemporaryFolder folder;
    const std::string file = folder.file("a.url"), missing = folder.file("gone.url");
    writeFileBytes(file, "[InternetShortcut]\r\nURL=http://a/\r\n");
    const std::string names = file + '\0' + folder.path() + '\0' + missing + '\0' + '\0';

    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
    ASSERT_NE(nullptr, memory);
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
    ::GlobalUnlock(memory);

    DroppedFileList list(memory);
    std::string path;
    std::uint32_t attributes = 0;
    ASSERT_TRUE(list.next(path, attributes));
    EXPECT_EQ(file, path);
    EXPECT_EQ(0u, attributes & FileAttribute::Directory);
    ASSERT_TRUE(list.next(path, attributes));
    EXPECT_EQ(folder.path(), path);
    EXPECT_NE(0u, attributes & FileAttribute::Directory);
    ASSERT_TRUE(list.next(path, attributes));
    EXPECT_EQ(missing, path);
    EXPECT_EQ(FileAttribute::Invalid, attributes);
    EXPECT_FALSE(list.next(path, attributes));
    ::GlobalFree(memory);
}
