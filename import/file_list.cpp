#include "file_list.h"

bool PathList::next(std::string& path, std::uint32_t& attributes) {
    if (index_ == paths_.size()) return false;
    path = paths_[index_++];
    attributes = fileAttributes(path);
    return true;
}
