// The collection file: a 16-byte header, then the root folder's body, depth
// first. Integers are little-endian; a string is a 32-bit length and its bytes.

#include "collection.h"

#include <cstdint>
#include <limits>
#include <vector>

#include "binary_stream.h"
#include "replacing_file.h"

namespace {
constexpr std::uint32_t kMagic = 0x00005FA9;
constexpr std::int32_t kVersion = 1;
constexpr std::uint16_t kLinkKind = 0;
constexpr std::uint16_t kFolderKind = 1;

bool writeText(BinaryWriter& out, const NodeText& text) {
    if (text.size() > std::numeric_limits<std::uint32_t>::max()) return false;
    return out.writeU32(static_cast<std::uint32_t>(text.size())) &&
           out.writeBytes(text.data(), text.size());
}

bool readText(BinaryReader& in, NodeText& text) {
    const std::uint64_t start = in.offset();
    std::uint32_t size;
    if (!in.readU32(size)) return false;
    // A length the rest of the file cannot hold fails like the short read it would be.
    if (size > in.remaining()) {
        in.fail(ResultStatus::Damaged, start);
        return false;
    }
    return in.readBytes(text.resize(size), size);
}

// A folder's own fields: title, description, child count.
bool writeFolderHead(BinaryWriter& out, const Folder& folder) {
    if (folder.childCount() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        return false;
    return writeText(out, folder.title) && writeText(out, folder.description) &&
           out.writeI32(static_cast<std::int32_t>(folder.childCount()));
}

bool readFolderHead(BinaryReader& in, Folder& folder, std::int32_t& childCount) {
    if (!readText(in, folder.title) || !readText(in, folder.description)) return false;
    const std::uint64_t start = in.offset();
    if (!in.readI32(childCount)) return false;
    if (childCount < 0) in.fail(ResultStatus::Damaged, start);
    return childCount >= 0;
}
}  // namespace

bool BookmarkNode::write(BinaryWriter& out) const {
    return writeText(out, title) && writeText(out, description);
}

bool BookmarkNode::read(BinaryReader& in) {
    return readText(in, title) && readText(in, description);
}

bool Link::write(BinaryWriter& out) const { return BookmarkNode::write(out) && writeText(out, url); }

bool Link::read(BinaryReader& in) { return BookmarkNode::read(in) && readText(in, url); }

bool Folder::write(BinaryWriter& out) const {
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

bool Folder::read(BinaryReader& in) {
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
    BinaryReader in(source);
    std::uint32_t magic, reserved1, reserved2;
    std::int32_t version;
    // Too short for a magic number is no collection file either.
    if (!in.readU32(magic) || magic != kMagic) {
        if (source.failed()) return in.result();
        return Result::failure(ResultStatus::NotRecognized);
    }
    if (!in.readI32(version)) return in.result();
    if (version > kVersion) return Result::failure(ResultStatus::NotRecognized, {}, 4);
    if (in.readU32(reserved1) && in.readU32(reserved2)) read(in);
    return in.result();
}

Result Collection::writeFile(ByteSink& sink) const {
    BinaryWriter out(sink);
    if (!out.writeU32(kMagic) || !out.writeI32(kVersion) || !out.writeU32(0) || !out.writeU32(0))
        return Result::failure(ResultStatus::WriteFailed);
    // Folder::write refuses, without a failed write, only what the format
    // cannot hold: above all a tree deeper than a load accepts.
    if (!write(out)) return Result::failure(out.failed() ? ResultStatus::WriteFailed : ResultStatus::TooDeep);
    if (!out.flush()) return Result::failure(ResultStatus::WriteFailed);
    return {};
}

Result Collection::load(const std::string& path) {
    InputFile file;
    Result opened = file.open(path);
    if (!opened) return opened;
    return readFile(file).at(path);
}

Result Collection::save(const std::string& path) {
    ReplacingFile file(path);
    if (!file.open()) return Result::failure(ResultStatus::WriteFailed, path);
    Result written = writeFile(file);
    if (!written) return written.at(path);
    if (!file.commit()) return Result::failure(ResultStatus::WriteFailed, path);
    modified = false;
    return {};
}
