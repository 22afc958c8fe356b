// The collection file: a 16-byte header, then the root folder's body, depth
// first. Integers are little-endian; a string is a 32-bit length and its bytes.
// Version 1 holds its strings in the ANSI code page, version 2 (the same
// layout) in UTF-8. A tree whose text the code page holds whole is saved as
// version 1, so that such files stay as they always were; any other as
// version 2, which readers of version 1 refuse.

#include "collection.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "binary_stream.h"
#include "code_page.h"
#include "code_page_table.h"
#include "replacing_file.h"
#include "reporting_stream.h"
#include "unicode_text.h"

static_assert(BinaryReader::kReadAhead >= SingleByteTable::kReadAhead);

namespace {
constexpr std::uint32_t kMagic = Collection::kFileMagic;
constexpr std::int32_t kCodePageVersion = 1;
constexpr std::int32_t kUtf8Version = 2;
constexpr std::uint16_t kLinkKind = 0;
constexpr std::uint16_t kFolderKind = 1;

// A save visits the texts in the order a load allocated them, which mostly
// lies in memory one after another: asking for the memory a page past each
// text lets the next nodes arrive while this one is written.
void fetchAhead(const char* text) {
#if defined(__GNUC__)
    __builtin_prefetch(reinterpret_cast<const void*>(reinterpret_cast<std::uintptr_t>(text) + 4096));
#else
    (void)text;
#endif
}
}  // namespace

// The byte streams of one collection file, which know how its strings are
// encoded. ASCII is the same in both encodings and is never converted.
class CollectionFileReader : public BinaryReader {
public:
    explicit CollectionFileReader(ByteSource& source) : BinaryReader(source) {}

    // Strings in UTF-8 rather than the code page, from here on.
    void readUtf8(bool utf8) { utf8_ = utf8; }

    bool readText(NodeText& text) {
        const std::uint64_t start = offset();
        std::uint32_t size;
        if (!readU32(size)) return false;
        // A length the rest of the file cannot hold fails like the short read it would be.
        if (size > remaining()) {
            fail(ResultStatus::Damaged, start);
            return false;
        }
        std::string_view bytes;
        const bool inPlace = readBytesInPlace(size, bytes);
        if (!inPlace) {
            // Longer than what is buffered: read into the node itself.
            char* into = text.resize(size);
            if (!readBytes(into, size)) return false;
            bytes = std::string_view(into, size);
        }
        // ASCII, and valid UTF-8 in version 2, are kept as they are.
        if (isAscii(bytes) || (utf8_ && isValidUtf8(bytes))) {
            if (inPlace) text = bytes;
        } else if (utf8_) {
            text = repairedUtf8(bytes);
        } else if (table_) {
            if (converted_.size() < bytes.size() * 3 + SingleByteTable::kSlack)
                converted_.resize(bytes.size() * 3 + SingleByteTable::kSlack);
            char* const to = converted_.data();
            const char* const end =
                inPlace ? table_->toUtf8AheadReadable(bytes, to) : table_->toUtf8(bytes, to);
            text = std::string_view(to, static_cast<std::size_t>(end - to));
        } else {
            std::string converted;
            text = codePageToUtf8(codePage_, bytes, converted) ? converted : repairedUtf8(bytes);
        }
        return true;
    }

private:
    const unsigned codePage_ = ansiCodePage();
    const SingleByteTable* const table_ = SingleByteTable::ansiFor(codePage_);
    bool utf8_ = false;
    // Room for the longest string converted so far, never shrunk.
    std::vector<char> converted_;
};

class CollectionFileWriter : public BinaryWriter {
public:
    CollectionFileWriter(ByteSink& sink, bool utf8) : BinaryWriter(sink), utf8_(utf8) {}

    // In the code page, a string that it cannot hold whole is not written:
    // writing stops, and lacksCharacters() tells why.
    bool writeText(const NodeText& text) {
        std::string_view bytes = text.view();
        fetchAhead(bytes.data());
        if (bytes.size() > std::numeric_limits<std::uint32_t>::max()) return false;
        if (!utf8_) {
            // Converted straight into the output, its length written in front
            // after; ASCII is only copied, so it needs no test of its own.
            char* const to = table_ ? room(4 + bytes.size() + SingleByteTable::kSlack) : nullptr;
            if (to) {
                const SingleByteTable::Progress progress = table_->fromUtf8(bytes, to + 4);
                if (progress.read != bytes.size()) {
                    lacksCharacters_ = true;
                    return false;
                }
                const std::size_t size = static_cast<std::size_t>(progress.written - (to + 4));
                storeU32(to, static_cast<std::uint32_t>(size));
                advance(4 + size);
                return true;
            }
            if (!isAscii(bytes)) {
                bool lossless = false;
                if (!utf8ToCodePage(codePage_, bytes, scratch_, &lossless) || !lossless) {
                    lacksCharacters_ = true;
                    return false;
                }
                bytes = scratch_;
            }
        }
        return writeU32(static_cast<std::uint32_t>(bytes.size())) && writeBytes(bytes.data(), bytes.size());
    }
    bool lacksCharacters() const { return lacksCharacters_; }

private:
    const unsigned codePage_ = ansiCodePage();
    const SingleByteTable* const table_ = SingleByteTable::ansiFor(codePage_);
    bool utf8_;
    bool lacksCharacters_ = false;
    std::string scratch_;
};

namespace {
// A folder's own fields: title, description, child count.
bool writeFolderHead(CollectionFileWriter& out, const Folder& folder) {
    if (folder.childCount() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        return false;
    return out.writeText(folder.title) && out.writeText(folder.description) &&
           out.writeI32(static_cast<std::int32_t>(folder.childCount()));
}

bool readFolderHead(CollectionFileReader& in, Folder& folder, std::int32_t& childCount) {
    if (!in.readText(folder.title) || !in.readText(folder.description)) return false;
    const std::uint64_t start = in.offset();
    if (!in.readI32(childCount)) return false;
    if (childCount < 0) in.fail(ResultStatus::Damaged, start);
    return childCount >= 0;
}
}  // namespace

bool BookmarkNode::write(CollectionFileWriter& out) const {
    return out.writeText(title) && out.writeText(description);
}

bool BookmarkNode::read(CollectionFileReader& in) { return in.readText(title) && in.readText(description); }

bool Link::write(CollectionFileWriter& out) const { return BookmarkNode::write(out) && out.writeText(url); }

bool Link::read(CollectionFileReader& in) { return BookmarkNode::read(in) && in.readText(url); }

bool Folder::write(CollectionFileWriter& out) const {
    if (!writeFolderHead(out, *this)) return false;
    // One position per open folder level; the back is the folder being written.
    std::vector<ChildPosition> levels{childrenBegin()};
    while (!levels.empty()) {
        ChildPosition& position = levels.back();
        if (position.isEnd()) {
            levels.pop_back();
            continue;
        }
        const BookmarkNode* child = position.node();
        ++position;
        if (const Folder* folder = child->asFolder()) {
            // A deeper tree would be written but could never be loaded again.
            if (levels.size() > kMaxDepth) return false;
            if (!out.writeU16(kFolderKind) || !writeFolderHead(out, *folder)) return false;
            levels.push_back(folder->childrenBegin());
        } else if (!out.writeU16(kLinkKind) || !child->write(out)) {
            return false;
        }
    }
    return true;
}

bool Folder::read(CollectionFileReader& in) {
    destroyChildren();
    title = std::string_view();
    description = std::string_view();
    std::int32_t childCount;
    if (!readFolderHead(in, *this, childCount)) return false;

    struct Level {
        Folder* folder;
        std::int32_t childrenLeft;
    };
    // The back is the folder being filled. Counts are never trusted for
    // allocation: children are read one at a time until the count is reached.
    std::vector<Level> levels{{this, childCount}};
    bool complete = true;
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.childrenLeft == 0) {
            levels.pop_back();
            continue;
        }
        const std::uint64_t kindOffset = in.offset();
        std::uint16_t kind;
        if (!in.readU16(kind)) {
            complete = false;
            break;
        }
        --level.childrenLeft;
        if (kind == kLinkKind) {
            auto* link = new Link;
            if (!link->read(in)) {
                delete link;
                complete = false;
                break;
            }
            level.folder->insertChild(level.folder->childrenEnd(), link);
        } else {
            if (levels.size() > kMaxDepth) {
                in.fail(ResultStatus::TooDeep, kindOffset);
                complete = false;
                break;
            }
            auto* folder = new Folder;
            // Linked in before its contents are read; a failure below drops it again.
            level.folder->insertChild(level.folder->childrenEnd(), folder);
            levels.push_back({folder, 0});
            if (!readFolderHead(in, *folder, levels.back().childrenLeft)) {
                complete = false;
                break;
            }
        }
    }
    // A child whose body failed goes with everything read into it, so this
    // folder keeps exactly the children that were read completely.
    if (!complete && levels.size() > 1) {
        Folder* unfinished = levels[1].folder;
        unlinkChild(unfinished);
        delete unfinished;
    }
    return complete;
}

Result Collection::readFile(ByteSource& source) {
    clear();
    modified = false;
    CollectionFileReader in(source);
    std::uint32_t magic, reserved1, reserved2;
    std::int32_t version;
    // Too short for a magic number is no collection file either.
    if (!in.readU32(magic) || magic != kMagic) {
        if (source.failed()) return in.result();
        return Result::failure(ResultStatus::NotRecognized);
    }
    if (!in.readI32(version)) return in.result();
    // Versions below 1 were always read as version 1.
    if (version > kUtf8Version) return Result::failure(ResultStatus::NotRecognized, {}, 4);
    in.readUtf8(version == kUtf8Version);
    if (in.readU32(reserved1) && in.readU32(reserved2)) read(in);
    return in.result();
}

namespace {
// Writes the whole file with its strings in UTF-8 or in the code page. In the
// code page it stops at the first string the code page cannot hold, with
// `lacksCharacters` set.
Result writeCollection(const Collection& collection, ByteSink& sink, bool utf8, bool& lacksCharacters) {
    CollectionFileWriter out(sink, utf8);
    if (!out.writeU32(kMagic) || !out.writeI32(utf8 ? kUtf8Version : kCodePageVersion) || !out.writeU32(0) ||
        !out.writeU32(0))
        return Result::failure(ResultStatus::WriteFailed);
    // Folder::write refuses, without a failed write, only what the format
    // cannot hold: above all a tree deeper than a load accepts.
    const bool written = collection.Folder::write(out);
    lacksCharacters = out.lacksCharacters();
    if (!written) return Result::failure(out.failed() ? ResultStatus::WriteFailed : ResultStatus::TooDeep);
    if (!out.flush()) return Result::failure(ResultStatus::WriteFailed);
    return {};
}

// A sink that only counts: for finding out whether the tree fits the code page.
class NoSink final : public ByteSink {
public:
    bool write(const char*, std::size_t) override { return true; }
};
}  // namespace

Result Collection::writeFile(ByteSink& sink) const {
    bool lacksCharacters = false;
    NoSink trial;
    writeCollection(*this, trial, false, lacksCharacters);
    return writeCollection(*this, sink, lacksCharacters, lacksCharacters);
}

Result Collection::load(const std::string& path, Progress* progress) {
    InputFile file;
    Result opened = file.open(path);
    if (!opened) return opened;
    if (!progress) return readFile(file).at(path);
    ReportingSource reporting(file, *progress);
    return readFile(reporting).at(path);
}

Result Collection::save(const std::string& path, Progress* progress) {
    ReplacingFile file(path);
    if (!file.open()) return Result::failure(ResultStatus::WriteFailed, path);
    std::optional<ReportingSink> reporting;
    ByteSink& sink = progress ? reporting.emplace(file, *progress) : static_cast<ByteSink&>(file);
    // Most trees fit the code page: written in it at once, and only started
    // again in UTF-8 when a string turns out not to fit.
    bool lacksCharacters = false;
    Result written = writeCollection(*this, sink, false, lacksCharacters);
    if (lacksCharacters) {
        if (!file.open()) return Result::failure(ResultStatus::WriteFailed, path);
        written = writeCollection(*this, sink, true, lacksCharacters);
    }
    if (!written) return written.at(path);
    if (!file.commit()) return Result::failure(ResultStatus::WriteFailed, path);
    modified = false;
    return {};
}
