#include "item_stream.h"

#include <cstdint>
#include <cstring>

#include "core/code_page.h"
#include "core/collection_walker.h"
#include "core/unicode_text.h"

namespace {
constexpr char kEnd = 0x00;
constexpr char kFolder = 0x01;
constexpr char kLink = 0x02;

// Counts the bytes a stream takes.
struct Counter {
    std::size_t size = 0;
    void code(char) { ++size; }
    void text(const std::string& text) { size += 4 + text.size(); }
};

struct Writer {
    char* out;
    void code(char code) { *out++ = code; }
    void text(const std::string& text) {
        const auto size = static_cast<std::uint32_t>(text.size());
        const unsigned char length[4] = {static_cast<unsigned char>(size), static_cast<unsigned char>(size >> 8),
                                         static_cast<unsigned char>(size >> 16),
                                         static_cast<unsigned char>(size >> 24)};
        std::memcpy(out, length, 4);
        std::memcpy(out + 4, text.data(), text.size());
        out += 4 + text.size();
    }
};

// The string as the stream carries it; `converted` holds an ANSI form.
const std::string& streamed(const std::string& text, StreamText encoding, std::string& converted) {
    if (encoding == StreamText::Utf8) return text;
    converted.clear();
    utf8ToCodePage(ansiCodePage(), text, converted);
    return converted;
}

template <class Output>
void emit(ItemSource& source, StreamText text, Output& output) {
    std::string converted;
    const auto put = [&](const std::string& field) { output.text(streamed(field, text, converted)); };
    ItemFields fields;  // its room reused from item to item
    for (std::size_t depth = 0;;) {
        ItemCode code = source.next();
        fields.title.clear();
        fields.description.clear();
        fields.url.clear();
        if (code == ItemCode::FolderItem) {
            source.folder(fields);
            output.code(kFolder);
            put(fields.title);
            put(fields.description);
            ++depth;
        } else if (code == ItemCode::LinkItem) {
            source.link(fields);
            output.code(kLink);
            put(fields.title);
            put(fields.url);
            put(fields.description);
        } else {
            output.code(kEnd);
            if (depth-- == 0) return;
        }
    }
}

std::uint32_t readCount(const char* at) {
    unsigned char bytes[4];
    std::memcpy(bytes, at, 4);
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}
}  // namespace

std::size_t measureItemStream(ItemSource& source, StreamText text) {
    Counter counter;
    emit(source, text, counter);
    return counter.size;
}

void writeItemStream(ItemSource& source, char* destination, StreamText text) {
    Writer writer{destination};
    emit(source, text, writer);
}

std::size_t measureNodeStream(const Collection&, const BookmarkNode& node) {
    const ChildPosition first = Collection::positionOf(&node);
    CollectionWalker walker(first, first.next());
    return measureItemStream(walker);
}

void writeNodeStream(const Collection&, const BookmarkNode& node, char* destination) {
    const ChildPosition first = Collection::positionOf(&node);
    CollectionWalker walker(first, first.next());
    writeItemStream(walker, destination);
}

bool ItemStreamSource::fits(int strings) const {
    const char* at = position_;
    for (int i = 0; i < strings; ++i) {
        if (end_ - at < 4) return false;
        const std::uint32_t size = readCount(at);
        at += 4;
        if (static_cast<std::size_t>(end_ - at) < size) return false;
        at += size;
    }
    return true;
}

ItemCode ItemStreamSource::endDamaged(const char* at) {
    ended_ = true;
    // Once the top level is closed, what follows is no longer this stream's.
    if (depth_ >= 0) result_ = Result::failure(ResultStatus::Damaged, {}, static_cast<std::uint64_t>(at - start_));
    return ItemCode::EndOfFolder;
}

ItemCode ItemStreamSource::next() {
    if (ended_) return ItemCode::EndOfFolder;
    if (position_ == end_) return endDamaged(position_);
    const char code = *position_++;
    if (code == kFolder && fits(2)) {
        ++depth_;
        return ItemCode::FolderItem;
    }
    if (code == kLink && fits(3)) return ItemCode::LinkItem;
    // 0x00 closes a level; anything else is damage, and ends the stream.
    if (code != kEnd) return endDamaged(position_ - 1);
    --depth_;
    return ItemCode::EndOfFolder;
}

// Into the caller's string, whose room is reused from item to item: the
// node the consumer makes holds the only new copy.
void ItemStreamSource::readString(std::string& text) {
    const std::uint32_t size = readCount(position_);
    position_ += 4;
    const std::string_view raw(position_, size);
    position_ += size;
    if (text_ == StreamText::Ansi && codePageToUtf8(ansiCodePage(), raw, text)) return;
    if (isValidUtf8(raw))
        text.assign(raw);
    else
        text = repairedUtf8(raw);
}

void ItemStreamSource::folder(ItemFields& fields) {
    readString(fields.title);
    readString(fields.description);
}

void ItemStreamSource::link(ItemFields& fields) {
    readString(fields.title);
    readString(fields.url);
    readString(fields.description);
}
