#include "chromium_importer.h"

#include <nlohmann/json.hpp>

#include <algorithm>

#include "core/address_scheme.h"
#include "core/file_io.h"
#include "core/unicode_text.h"

namespace {
using Json = nlohmann::json;
// A browser's bookmarks of a million links take some hundred megabytes.
constexpr std::size_t kLargestFile = std::size_t{1} << 30;

// The file's bytes, as many as it held when opened (at most kLargestFile);
// what came before a failed read, with `result` saying so.
std::string readWholeFile(const std::string& path, Result& result) {
    InputFile file;
    result = file.open(path);
    if (!result) return {};
    std::string text = readUpTo(file, static_cast<std::size_t>(std::min<std::uint64_t>(file.size(), kLargestFile)));
    if (file.failed()) result = Result::failure(ResultStatus::ReadFailed, path, text.size());
    return text;
}

bool isJsonBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// What Chromium calls its roots when the file does not say.
const char* rootName(const std::string& key) {
    if (key == "bookmark_bar") return "Bookmarks bar";
    if (key == "other") return "Other bookmarks";
    if (key == "synced") return "Mobile bookmarks";
    return nullptr;
}
}  // namespace

// Turns the JSON reader's events into nodes, without recursion: a stack of
// what each open object or array is. Events up to a damage in the text still
// come, so whatever was read before it is kept.
class ChromiumImporter::Reader {
public:
    explicit Reader(std::vector<Node>& nodes) : nodes_(nodes) {}

    bool sawRoots() const { return sawRoots_; }
    std::size_t errorPosition() const { return errorPosition_; }

    bool start_object(std::size_t) {
        Frame::What frame = Frame::Other;
        std::uint32_t node = Node::kNone;
        if (frames_.empty()) {
            frame = Frame::TopObject;
        } else if (frames_.back().what == Frame::TopObject && key_ == "roots") {
            frame = Frame::RootsObject;
            sawRoots_ = true;
        } else if (frames_.back().what == Frame::RootsObject || frames_.back().what == Frame::ChildrenArray) {
            const bool isRoot = frames_.back().what == Frame::RootsObject;
            node = addChild(isRoot ? 0 : frames_.back().node);
            if (isRoot) nodes_[node].rootKey = key_;
            frame = Frame::NodeObject;
        }
        frames_.push_back({frame, node});
        return true;
    }
    bool end_object() {
        if (!frames_.empty() && frames_.back().what == Frame::NodeObject) nodes_[frames_.back().node].complete = true;
        return pop();
    }
    bool start_array(std::size_t) {
        if (!frames_.empty() && frames_.back().what == Frame::NodeObject && key_ == "children") {
            nodes_[frames_.back().node].hasChildren = true;
            frames_.push_back({Frame::ChildrenArray, frames_.back().node});
        } else {
            frames_.push_back({Frame::Other, Node::kNone});
        }
        return true;
    }
    bool end_array() { return pop(); }
    bool key(std::string& key) {
        key_ = std::move(key);
        return true;
    }
    bool string(std::string& value) {
        if (frames_.empty() || frames_.back().what != Frame::NodeObject) return true;
        Node& node = nodes_[frames_.back().node];
        if (key_ == "name") {
            node.title = std::move(value);
        } else if (key_ == "url") {
            node.url = std::move(value);
        } else if (key_ == "type") {
            node.type = value == "folder" ? Node::Type::Folder : value == "url" ? Node::Type::Url : Node::Type::Other;
        }
        return true;
    }
    bool null() { return true; }
    bool boolean(bool) { return true; }
    bool number_integer(Json::number_integer_t) { return true; }
    bool number_unsigned(Json::number_unsigned_t) { return true; }
    bool number_float(Json::number_float_t, const std::string&) { return true; }
    bool binary(Json::binary_t&) { return true; }
    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception&) {
        errorPosition_ = position;
        return false;
    }

private:
    struct Frame {
        enum What : std::uint8_t { TopObject, RootsObject, NodeObject, ChildrenArray, Other } what;
        std::uint32_t node;  // the node of a node object, the folder of a children array
    };

    std::uint32_t addChild(std::uint32_t parent) {
        const auto index = static_cast<std::uint32_t>(nodes_.size());
        nodes_.emplace_back().parent = parent;
        Node& folder = nodes_[parent];
        if (folder.lastChild == Node::kNone)
            folder.firstChild = index;
        else
            nodes_[folder.lastChild].nextSibling = index;
        folder.lastChild = index;
        return index;
    }
    bool pop() {
        if (!frames_.empty()) frames_.pop_back();
        return true;
    }

    std::vector<Node>& nodes_;
    std::vector<Frame> frames_;
    std::string key_;
    bool sawRoots_ = false;
    std::size_t errorPosition_ = 0;
};

ChromiumImporter::ChromiumImporter(const std::string& path) {
    nodes_.emplace_back();  // the top, above the roots
    Result read;
    std::string text = readWholeFile(path, read);
    if (!read && read.status != ResultStatus::ReadFailed) {
        result_ = read;
        return;
    }
    // The JSON reader refuses invalid UTF-8 anywhere; titles keep what they
    // can. A damage's offset then counts the repaired text.
    if (!isValidUtf8(text)) text = repairedUtf8(text);
    Reader reader(nodes_);
    const bool whole = Json::sax_parse(text.data(), text.data() + text.size(), &reader);
    if (!read)
        result_ = read;
    else if (!whole)
        result_ = Result::failure(ResultStatus::Damaged, path, reader.errorPosition() > 0 ? reader.errorPosition() - 1 : 0);
    else if (!reader.sawRoots())
        result_ = Result::failure(ResultStatus::NotRecognized, path);
    cursor_ = nodes_[0].firstChild;
}

bool ChromiumImporter::looksLikeChromiumBookmarks(std::string_view head) {
    if (head.substr(0, 3) == "\xEF\xBB\xBF") head.remove_prefix(3);
    std::size_t at = 0;
    while (at < head.size() && isJsonBlank(head[at])) ++at;
    if (at == head.size() || head[at++] != '{') return false;
    while (at < head.size() && isJsonBlank(head[at])) ++at;
    const std::string_view key = head.substr(at);
    for (std::string_view first : {"\"checksum\"", "\"roots\"", "\"version\""})
        if (key.substr(0, first.size()) == first) return true;
    return false;
}

ChromiumImporter::Kind ChromiumImporter::kindOf(const Node& node) const {
    switch (node.type) {
    case Node::Type::Folder:
        return Kind::Folder;
    case Node::Type::Other:
        return Kind::Ignored;
    case Node::Type::Unknown:
        // Cut off before its type: a folder is known by its children.
        if (node.hasChildren) return Kind::Folder;
        if (node.url.empty()) return Kind::Ignored;
        break;
    case Node::Type::Url:
        // A bookmark cut off before its address is no bookmark without one.
        if (node.url.empty() && !node.complete) return Kind::Ignored;
        break;
    }
    // As in bookmark files: any scheme of two or more characters, bookmarklets too.
    return addressScheme(node.url).empty() ? Kind::WithoutAddress : Kind::Link;
}

std::uint32_t ChromiumImporter::firstItem(std::uint32_t index, bool count) {
    for (; index != Node::kNone; index = nodes_[index].nextSibling) {
        const Kind kind = kindOf(nodes_[index]);
        if (kind == Kind::Folder || kind == Kind::Link) return index;
        if (count && kind == Kind::WithoutAddress) ++skipped_.withoutAddress;
    }
    return Node::kNone;
}

ItemCode ChromiumImporter::next() {
    for (;;) {
        const std::uint32_t item = firstItem(cursor_, true);
        if (item == Node::kNone) {
            cursor_ = Node::kNone;
            if (open_ == 0) return ItemCode::EndOfFolder;
            cursor_ = nodes_[open_].nextSibling;
            open_ = nodes_[open_].parent;
            return ItemCode::EndOfFolder;
        }
        given_ = item;
        cursor_ = nodes_[item].nextSibling;
        if (kindOf(nodes_[item]) == Kind::Link) return ItemCode::LinkItem;
        // A root that holds nothing is left out.
        if (open_ == 0 && firstItem(nodes_[item].firstChild, false) == Node::kNone) {
            firstItem(nodes_[item].firstChild, true);
            continue;
        }
        open_ = item;
        cursor_ = nodes_[item].firstChild;
        return ItemCode::FolderItem;
    }
}

void ChromiumImporter::folder(ItemFields& fields) {
    const Node& node = nodes_[given_];
    fields.title = node.title;
    if (fields.title.empty()) {
        const char* name = rootName(node.rootKey);
        fields.title = name ? name : !node.rootKey.empty() ? node.rootKey : "Folder" + std::to_string(++unnamedFolderCount_);
    }
    fields.description.clear();
}

void ChromiumImporter::link(ItemFields& fields) {
    const Node& node = nodes_[given_];
    fields.url = node.url;
    fields.title = node.title.empty() ? node.url : node.title;
    fields.description.clear();
}
