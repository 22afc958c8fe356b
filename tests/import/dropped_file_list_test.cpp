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
    std::string path, found;
    std::uint32_t attributes = 0;
    for (int i = 0; i < 4 && list.next(path, attributes); ++i) {
        const bool isFolder = (attributes & FileAttribute::Directory) != 0;
        found += path + (attributes == FileAttribute::Invalid ? " missing\n" : isFolder ? " folder\n" : " file\n");
    }
    EXPECT_EQ(file + " file\n" + folder.path() + " folder\n" + missing + " missing\n", found);
    ::GlobalFree(memory);
}
