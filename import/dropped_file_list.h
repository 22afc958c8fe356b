#pragma once

// The files of a drop (the CF_HDROP data of a data object), on Windows. The
// handle belongs to the data object's storage medium, not to the list.

#include "import/file_list.h"

class DroppedFileList final : public FileList {
public:
    // `dropHandle` is an HDROP.
    explicit DroppedFileList(void* dropHandle);
    bool next(std::string& path, std::uint32_t& attributes) override;

private:
    void* dropHandle_;
    unsigned count_;
    unsigned index_ = 0;
};
