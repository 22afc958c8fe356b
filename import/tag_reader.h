#pragma once

// A small, forgiving reader of HTML-like markup. It builds no document: it
// reads the input once and reports each run of character data and each tag
// with its attributes to a TagHandler, which may stop it after any report and
// resume it later, so that an importer can pull one item at a time. Text and
// attribute values are reported in UTF-8, converted from the charset that
// setCharset names (the ANSI code page until then).

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "import/charset_converter.h"
#include "import/text_input.h"

// The attributes of one tag: names upper-cased, values as read (converted,
// references decoded), ordered by name. The first value of a repeated name stays.
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
    // Whether the value of the attribute `name` of the tag `tag` (both upper
    // case) is of use; one that is not is skipped unread and reported empty,
    // so that long data (icons) costs no copy.
    virtual bool wantsValue(const std::string& tag, const std::string& name) const {
        (void)tag;
        (void)name;
        return true;
    }
};

class TagReader {
public:
    explicit TagReader(ByteSource& source) : input_(source) {}

    // Reads until the input ends (answers true) or a handler answers false
    // (answers false). A later call goes on after the last report.
    bool parse(TagHandler& handler);
    // At the start of the input: skips a UTF-8 byte-order mark, answering
    // whether there was one.
    bool skipUtf8Mark() { return input_.skipUtf8Mark(); }
    // The charset of what is read from now on, by its web name.
    void setCharset(const std::string& name) { converter_.setCharset(name); }

private:
    bool readText(TagHandler& handler);
    bool readTag(TagHandler& handler);
    bool readAttributes(const TagHandler& handler);
    void appendEscape();
    void appendEntity();
    void decodeValue(std::string& value);
    void skipPastTagEnd();

    TextInput input_;
    CharsetConverter converter_;
    std::string text_;
    // Bytes in the input's charset, not yet converted to UTF-8.
    std::string raw_;
    std::string decoded_;
    std::string reference_;
    std::string name_;
    std::string entityName_;
    std::string skipped_;
    AttributeMap attributes_;
};

// Appends the replacement of the entity `name` (without "&" and ";"): the
// named entities of the reader, in any case, and numeric references, decimal
// or hexadecimal with any number of leading zeros, as the UTF-8 of their
// code point (U+FFFD for 0, a surrogate or a value above U+10FFFF).
// False for any other name.
bool decodeEntity(std::string_view name, std::string& out);
