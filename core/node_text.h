#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

// The text a node holds (title, description, address), in UTF-8 like all
// text inside the program.
//
// A collection can hold millions of these, so the value is one pointer: an
// empty text allocates nothing, any other text is one block holding its
// length, its bytes and a terminating NUL (so c_str() can go to the Windows
// API as it is). Any byte value may occur inside the text, NUL included.
class NodeText {
public:
    NodeText() = default;
    explicit NodeText(std::string_view text) { assign(text); }
    NodeText(const NodeText& other) { assign(other.view()); }
    NodeText(NodeText&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }
    NodeText& operator=(const NodeText& other);
    NodeText& operator=(NodeText&& other) noexcept;
    NodeText& operator=(std::string_view text) { assign(text); return *this; }
    ~NodeText() { release(); }

    // Replaces the text with a copy of `text`.
    void assign(std::string_view text);
    // Inline: a save, a walk or a search asks every node for its text.
    std::size_t size() const {
        if (!block_) return 0;
        std::size_t size;
        std::memcpy(&size, block_, kHeader);
        return size;
    }
    bool empty() const { return block_ == nullptr; }
    const char* data() const { return block_ ? block_ + kHeader : ""; }
    const char* c_str() const { return data(); }
    std::string_view view() const { return {data(), size()}; }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }

    friend bool operator==(const NodeText& a, std::string_view b) { return a.view() == b; }

    // Replaces the text with `size` bytes that the caller then fills through
    // the returned pointer (used by the file reader to avoid a copy).
    char* resize(std::size_t size);

private:
    // Block layout: the length (a std::size_t), the bytes, a NUL.
    static constexpr std::size_t kHeader = sizeof(std::size_t);

    void release();
    // A new block of `size` bytes for an empty text; its bytes.
    char* allocate(std::size_t size);

    char* block_ = nullptr;
};
