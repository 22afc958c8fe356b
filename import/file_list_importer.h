#pragma once

// Turns a list of dropped or pasted files and folders into one stream of
// items: folders are walked, Internet shortcuts (.url) become links, and
// Netscape bookmark files (.htm, .html), Opera hotlists (.adr) and Chromium's
// bookmarks (known by their content, whatever their name) are read by their
// importers, whose items are spliced in at the place of the file.
// Folders nested deeper than Folder::kMaxDepth below the import's top level
// are not created; their items go into the deepest folder allowed.

#include <memory>
#include <string>
#include <vector>

#include "core/item_source.h"
#include "import/file_list.h"

// The kind of bookmark file at `path`: by its extension, and a Chromium
// family's file by its content whatever its name (never a shortcut).
enum class BookmarkFileKind { None, Chromium, Netscape, Opera, Shortcut };
BookmarkFileKind bookmarkFileKind(const std::string& path);

class FileListImporter final : public ItemSource {
public:
    explicit FileListImporter(std::unique_ptr<FileList> dropped);
    ~FileListImporter() override;

    ItemCode next() override;
    void folder(ItemFields& fields) override;
    void link(ItemFields& fields) override;
    // The first failure met: a path that is not there (NotFound), a file
    // that could not be read, or else one of another kind (NotRecognized: a
    // hotlist or shortcut that is none). The import goes on past it.
    Result result() const override { return result_; }
    // What the files' importers left out, and the files read by none.
    SkippedItems skipped() const override;

private:
    // The next item before the depth limit applies.
    ItemCode nextItem();
    // Starts the item for the path; false when the path gives none by itself.
    bool dispatch(const std::string& path, std::uint32_t attributes, ItemCode& code);
    void keepFailure(const Result& result);
    // Counts the file when it could not be read or was of another kind.
    void countUnread(const Result& result);

    std::vector<std::unique_ptr<FileList>> lists_;
    std::unique_ptr<ItemSource> nested_;
    int nestedDepth_ = 0;
    std::string name_;
    std::string url_;
    int depth_ = 0;
    // Folders below the depth limit whose end is still to come.
    int flattened_ = 0;
    Result result_;
    SkippedItems skipped_;
};
