#include "node_text.h"

#include <cstdlib>
#include <cstring>
#include <new>

NodeText& NodeText::operator=(const NodeText& other) {
    if (this != &other) assign(other.view());
    return *this;
}

NodeText& NodeText::operator=(NodeText&& other) noexcept {
    if (this != &other) {
        release();
        block_ = other.block_;
        other.block_ = nullptr;
    }
    return *this;
}

void NodeText::assign(std::string_view text) {
    // `text` may point into this very block: copy before releasing it.
    char* old = block_;
    block_ = nullptr;
    if (!text.empty()) std::memcpy(allocate(text.size()), text.data(), text.size());
    if (old) std::free(old);
}

char* NodeText::resize(std::size_t size) {
    release();
    return size == 0 ? nullptr : allocate(size);
}

char* NodeText::allocate(std::size_t size) {
    void* block = std::malloc(kHeader + size + 1);
    if (!block) throw std::bad_alloc();
    block_ = static_cast<char*>(block);
    std::memcpy(block_, &size, kHeader);
    char* bytes = block_ + kHeader;
    bytes[size] = '\0';
    return bytes;
}

void NodeText::release() {
    // Most texts of a collection being loaded had none before.
    if (!block_) return;
    std::free(block_);
    block_ = nullptr;
}
