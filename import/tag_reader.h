#pragma once

// A small, forgiving reader of HTML-like markup. It builds no document: it
// reads the input once and reports each run of character data and each tag
// with its attributes to a TagHandler, which may stop it after any report and
// resume it later, so that an importer can pull one item at a time.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "import/text_input.h"

// The attributes of one tag: names upper-cased, values as read (entities
// decoded), ordered by name. The first value of a repeated name stays.
class AttributeMap {
public:
    using Attribute = std::pair<std::string, std::string>;

    // The value of `name` (upper case), or null when the tag lacks it.
    const std::string* find(std::string_view name) const;
    std::size_t size() const { return size_; }
    const Attribute* begin() const { return attributes_.data(); }
    const Attribute* end() const { return attributes_.data() + size_; }

    // For the reader: the storage is reused from tag to tag, so that long
    // values (icons) do not cost an allocation each. Attributes are added in
    // the order read; finish() orders them and drops repeated names, once
    // per tag, so that a tag of many attributes costs n log n, not n squared.
    void clear() { size_ = 0; }
    Attribute& prepare();
    void commitPrepared() { ++size_; }
    void finish();

private:
    std::vector<Attribute> attributes_;
    std::size_t size_ = 0;
};

class TagHandler {
public:
    virtual ~TagHandler() = default;
    // Character data, never empty. Answer false to stop the reader.
    virtual bool onText(const std::string& text) = 0;
    // A tag: its name upper-cased (a closing tag as "/NAME"). False stops.
    virtual bool onTag(const std::string& name, const AttributeMap& attributes) = 0;
};

class TagReader {
public:
    explicit TagReader(const std::string& path) : input_(path) {}
    explicit TagReader(ByteSource& source) : input_(source) {}

    // Reads until the input ends (answers true) or a handler answers false
    // (answers false). A later call goes on after the last report.
    bool parse(TagHandler& handler);
    // At the start of the input: skips a UTF-8 byte-order mark, answering
    // whether there was one.
    bool skipUtf8Mark() { return input_.skipUtf8Mark(); }

private:
    bool readText(TagHandler& handler);
    bool readTag(TagHandler& handler);
    bool readAttributes();
    void appendEscape(std::string& text);
    void appendEntity(std::string& text);
    void skipPastTagEnd();

    TextInput input_;
    std::string text_;
    std::string name_;
    std::string entityName_;
    std::string skipped_;
    AttributeMap attributes_;
};

// The replacement of the entity `name` (without "&" and ";"): the named
// entities of the reader, in any case, and numeric references of 1 to 127
// (leading zeros allowed, any number of them).
// False for any other name.
bool decodeEntity(std::string_view name, std::string& out);
