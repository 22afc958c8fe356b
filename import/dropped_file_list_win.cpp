#include "dropped_file_list.h"

#include <windows.h>
#include <shellapi.h>

DroppedFileList::DroppedFileList(void* dropHandle)
    : dropHandle_(dropHandle), count_(::DragQueryFileA(static_cast<HDROP>(dropHandle), 0xFFFFFFFF, nullptr, 0)) {}

bool DroppedFileList::next(std::string& path, std::uint32_t& attributes) {
    if (index_ >= count_) return false;
    char buffer[MAX_PATH] = {};
    ::DragQueryFileA(static_cast<HDROP>(dropHandle_), index_++, buffer, sizeof buffer);
    path = buffer;
    attributes = ::GetFileAttributesA(buffer);
    return true;
}
