#include "file_descriptor_win.h"

#include <shlobj.h>

#include <cstring>

#include "exchange/global_block_win.h"
#include "export/safe_file_name.h"

static_assert(sizeof(FILEGROUPDESCRIPTORA) == 336, "a one-file descriptor is 336 bytes");

HGLOBAL shortcutDescriptorBlock(std::string title) {
    if (title.empty()) return nullptr;
    // Only the attributes are declared valid; the other fields stay zero.
    FILEGROUPDESCRIPTORA group;
    std::memset(&group, 0, sizeof group);
    group.cItems = 1;
    group.fgd[0].dwFlags = FD_ATTRIBUTES;
    group.fgd[0].dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NORMAL;
    const std::string name = SafeFileName(title) + ".url";  // at most 251 + 4 bytes
    std::memcpy(group.fgd[0].cFileName, name.c_str(), name.size() + 1);
    return globalBlock(&group, sizeof group);
}
