#include "file_list_importer.h"

#include "core/bookmark_node.h"
#include "core/file_io.h"
#include "import/chromium_importer.h"
#include "import/netscape_importer.h"
#include "import/opera_importer.h"

namespace {
std::string lowerCased(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// Enough of a file to know it by its content.
constexpr std::size_t kHeadSize = 64;

bool isChromiumBookmarks(const std::string& path) {
    InputFile file;
    if (!file.open(path)) return false;
    char head[kHeadSize];
    return ChromiumImporter::looksLikeChromiumBookmarks(std::string_view(head, file.read(head, sizeof head)));
}

// What a folder that must not be walked lists.
class EmptyList final : public FileList {
public:
    bool next(std::string&, std::uint32_t&) override { return false; }
};
}  // namespace

FileListImporter::FileListImporter(std::unique_ptr<FileList> dropped) { lists_.push_back(std::move(dropped)); }

FileListImporter::~FileListImporter() = default;

ItemCode FileListImporter::next() {
    for (;;) {
        ItemCode code = nextItem();
        if (code == ItemCode::FolderItem) {
            if (static_cast<std::size_t>(depth_) < Folder::kMaxDepth) {
                ++depth_;
                return ItemCode::FolderItem;
            }
            ItemFields discarded;
            folder(discarded);
            ++flattened_;
            continue;
        }
        if (code == ItemCode::EndOfFolder) {
            if (flattened_ > 0) {
                --flattened_;
                continue;
            }
            if (depth_ > 0) --depth_;
        }
        return code;
    }
}

ItemCode FileListImporter::nextItem() {
    for (;;) {
        if (nested_) {
            ItemCode code = nested_->next();
            if (code == ItemCode::FolderItem) {
                ++nestedDepth_;
            } else if (code == ItemCode::EndOfFolder && --nestedDepth_ == 0) {
                // The file ended: its last EndOfFolder closes nothing here.
                keepFailure(nested_->result());
                countUnread(nested_->result());
                skipped_ += nested_->skipped();
                nested_.reset();
            }
            if (nestedDepth_ != 0) return code;
        }
        if (lists_.empty()) return ItemCode::EndOfFolder;
        std::string path;
        std::uint32_t attributes = 0;
        if (!lists_.back()->next(path, attributes)) {
            keepFailure(lists_.back()->result());
            countUnread(lists_.back()->result());
            lists_.pop_back();
            return ItemCode::EndOfFolder;
        }
        ItemCode code;
        if (dispatch(path, attributes, code)) return code;
    }
}

bool FileListImporter::dispatch(const std::string& path, std::uint32_t attributes, ItemCode& code) {
    // A path that does not exist: the system answers all bits set for it.
    if (attributes == FileAttribute::Invalid) {
        keepFailure(Result::failure(ResultStatus::NotFound, path));
        ++skipped_.otherFiles;
        return false;
    }
    const std::string component = lastPathComponent(path);
    if (attributes & FileAttribute::Directory) {
        name_ = fileNameAsTitle(component);
        // A junction or link may lead back up the tree: listed, not walked.
        if (attributes & FileAttribute::ReparsePoint)
            lists_.push_back(std::make_unique<EmptyList>());
        else
            lists_.push_back(std::make_unique<DirectoryList>(path));
        code = ItemCode::FolderItem;
        return true;
    }
    const BookmarkFileKind kind = bookmarkFileKind(path);
    const std::size_t dot = component.rfind('.');
    if (kind == BookmarkFileKind::Chromium || kind == BookmarkFileKind::Netscape || kind == BookmarkFileKind::Opera) {
        if (kind == BookmarkFileKind::Chromium)
            nested_ = std::make_unique<ChromiumImporter>(path);
        else if (kind == BookmarkFileKind::Netscape)
            nested_ = std::make_unique<NetscapeImporter>(path);
        else
            nested_ = std::make_unique<OperaImporter>(path);
        nestedDepth_ = 1;
        return false;
    }
    if (kind == BookmarkFileKind::Shortcut) {
        const Result read = readShortcutUrl(path, url_);
        if (!read) {
            keepFailure(read);
            if (read.status == ResultStatus::NotRecognized)
                ++skipped_.withoutAddress;
            else
                ++skipped_.otherFiles;
            return false;
        }
        name_ = fileNameAsTitle(component.substr(0, dot));
        code = ItemCode::LinkItem;
        return true;
    }
    ++skipped_.otherFiles;
    return false;
}

BookmarkFileKind bookmarkFileKind(const std::string& path) {
    const std::string component = lastPathComponent(path);
    const std::size_t dot = component.rfind('.');
    const std::string extension = dot == std::string::npos ? std::string() : lowerCased(component.substr(dot));
    // A shortcut is read by the system's INI reader, never as anything else.
    if (extension == ".url") return BookmarkFileKind::Shortcut;
    if (isChromiumBookmarks(path)) return BookmarkFileKind::Chromium;
    if (extension == ".htm" || extension == ".html") return BookmarkFileKind::Netscape;
    if (extension == ".adr") return BookmarkFileKind::Opera;
    return BookmarkFileKind::None;
}

void FileListImporter::keepFailure(const Result& result) {
    if (result) return;
    // A file of another kind only means fewer bookmarks; one that could not
    // be read at all matters more.
    if (result_ || (result_.status == ResultStatus::NotRecognized && result.status != ResultStatus::NotRecognized))
        result_ = result;
}

void FileListImporter::countUnread(const Result& result) {
    if (result.status == ResultStatus::NotFound || result.status == ResultStatus::NoAccess ||
        result.status == ResultStatus::NotRecognized)
        ++skipped_.otherFiles;
}

SkippedItems FileListImporter::skipped() const {
    SkippedItems skipped = skipped_;
    if (nested_) skipped += nested_->skipped();
    return skipped;
}

void FileListImporter::folder(ItemFields& fields) {
    if (nested_) {
        nested_->folder(fields);
        return;
    }
    fields.title = name_;
    fields.description.clear();
}

void FileListImporter::link(ItemFields& fields) {
    if (nested_) {
        nested_->link(fields);
        return;
    }
    fields.title = name_;
    fields.description.clear();
    fields.url = url_;
}
