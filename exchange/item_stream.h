#pragma once

// The program's own clipboard and drag format: a stream of records, each
// starting with a code byte, that carries one tree item with its subtree.
//   0x00                         end of the current folder level
//   0x01 name description        a folder; its contents follow, closed by 0x00
//   0x02 title url description   a link
// A string is a 32-bit little-endian byte count and that many bytes: UTF-8
// in the current format, text in the ANSI code page in the one older
// versions read. The stream of one item is its record followed by one final
// 0x00.

#include <cstddef>
#include <string>

#include "core/collection.h"
#include "core/item_source.h"

enum class StreamText {
    Utf8,
    Ansi,  // characters the ANSI code page lacks are written as '?'
};

// The size of the stream the source yields, up to and including the 0x00
// that closes its top level. Consumes the source.
std::size_t measureItemStream(ItemSource& source, StreamText text = StreamText::Utf8);

// Writes the stream the source yields into `destination`, which must hold
// the size measureItemStream() gave for an identical source and text.
void writeItemStream(ItemSource& source, char* destination, StreamText text = StreamText::Utf8);

// The same for one node of the collection with its subtree: the stream that
// the clipboard and drag data carry.
std::size_t measureNodeStream(const Collection& collection, const BookmarkNode& node);
void writeNodeStream(const Collection& collection, const BookmarkNode& node, char* destination);

// Reads a stream from a block that may come from another program: every
// record is checked against the rest of the block before it is announced,
// and a record that does not fit, an unknown code or the end of the block
// ends the stream (EndOfFolder from then on). It never reads past the block.
// Its strings come out as UTF-8: invalid UTF-8 repaired with U+FFFD, ANSI
// text converted.
class ItemStreamSource final : public ItemSource {
public:
    ItemStreamSource(const char* block, std::size_t size, StreamText text = StreamText::Utf8)
        : start_(block), position_(block), end_(block + size), text_(text) {}

    ItemCode next() override;
    void folder(ItemFields& fields) override;
    void link(ItemFields& fields) override;
    // Damaged, at the offset of the record that ended the stream early.
    Result result() const override { return result_; }

private:
    bool fits(int strings) const;
    void readString(std::string& text);
    ItemCode endDamaged(const char* at);

    const char* start_;
    const char* position_;
    const char* end_;
    StreamText text_;
    bool ended_ = false;
    int depth_ = 0;  // folders opened and not yet closed
    Result result_;
};
