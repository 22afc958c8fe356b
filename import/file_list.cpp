#include "file_list.h"

#include "core/unicode_text.h"

bool PathList::next(std::string& path, std::uint32_t& attributes) {
    if (index_ == paths_.size()) return false;
    path = paths_[index_++];
    attributes = fileAttributes(path);
    return true;
}

std::string fileNameAsTitle(const std::string& name) { return repairedUtf8(name); }
