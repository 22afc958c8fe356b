#include "dropped_file_list.h"

#include <windows.h>
#include <shellapi.h>

#include "core/wide_text_win.h"

DroppedFileList::DroppedFileList(void* dropHandle)
    : dropHandle_(dropHandle), count_(::DragQueryFileW(static_cast<HDROP>(dropHandle), 0xFFFFFFFF, nullptr, 0)) {}

bool DroppedFileList::next(std::string& path, std::uint32_t& attributes) {
    if (index_ >= count_) return false;
    const auto drop = static_cast<HDROP>(dropHandle_);
    // No length limit: a path may be longer than MAX_PATH.
    std::wstring wide(::DragQueryFileW(drop, index_, nullptr, 0) + 1, L'\0');
    const UINT length = ::DragQueryFileW(drop, index_++, wide.data(), static_cast<UINT>(wide.size()));
    wide.resize(length);
    path = narrowText(wide);
    attributes = fileAttributes(path);
    return true;
}
