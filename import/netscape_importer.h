#pragma once

// Reads a Netscape-format bookmark file (the HTML that browsers export) as a
// stream of items: a folder is a DT term holding its name, followed by a DL
// list of its contents; a link is a DT term holding an A element, optionally
// followed by a DD element with its description. One item is read per call
// of next(), so that the consumer inserts each before the next is read.

#include <string>

#include "core/file_io.h"
#include "core/item_source.h"
#include "import/tag_reader.h"

class NetscapeImporter final : public ItemSource, private TagHandler {
public:
    explicit NetscapeImporter(const std::string& path);

    ItemCode next() override;
    void folder(ItemFields& fields) override;
    void link(ItemFields& fields) override;
    // NotFound or NoAccess when the file could not be opened, ReadFailed when
    // reading it failed.
    Result result() const override;
    // Anchors left out: place: queries, and those without a usable address.
    SkippedItems skipped() const override { return skipped_; }

    // The link address an HREF value gives, or false when the anchor is not
    // imported: when, with the base applied, it is no absolute address with
    // a scheme of two or more characters, when it is a place: query, or when
    // it is a path from the root. A relative value needs a base with a host.
    bool resolveHref(const std::string& value, std::string& address) const;

private:
    enum Flag { InList = 1, InTerm = 2, InDescription = 4, InAnchor = 8 };
    enum class TextTarget { None, Title, Description };

    bool onText(const std::string& text) override;
    bool onTag(const std::string& name, const AttributeMap& attributes) override;
    bool wantsValue(const std::string& tag, const std::string& name) const override;
    void open(Flag flag);
    void close(Flag flag);
    void readCharsetDeclaration(const AttributeMap& attributes);

    std::string baseUrl_;
    std::string url_;
    std::string title_;
    std::string description_;
    int unnamedFolderCount_ = 0;
    InputFile file_;
    Result opened_;
    std::string path_;
    TagReader reader_;  // reads file_, converting to UTF-8
    unsigned flags_ = 0;
    TextTarget textTarget_ = TextTarget::None;
    int listDepth_ = 0;
    bool pendingEnd_ = false;
    ItemCode pendingCode_ = ItemCode::EndOfFolder;
    SkippedItems skipped_;
};
