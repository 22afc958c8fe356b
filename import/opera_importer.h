#pragma once

// Reads an Opera hotlist as a stream of items. The file is a header, then
// records that each begin with a marker line ("#FOLDER", "#URL", ...)
// followed by key=value lines and an empty line; a line "-" closes the
// current folder. Hotlists written by hand or by other tools are read as
// their writer meant: records ended by a line of blanks or by the next
// record, marker lines with trailing blanks, a "-" with no folder open.

#include <string>

#include "core/item_source.h"
#include "import/charset_converter.h"
#include "import/text_input.h"

// Splits `line` at the first `separator` after its leading blanks: the key
// is upper-cased, the value is the rest of the line as it is. False when
// the line has no key.
bool splitKeyValue(const std::string& line, char separator, std::string& key, std::string& value);

class OperaImporter final : public ItemSource {
public:
    explicit OperaImporter(const std::string& path);

    ItemCode next() override;
    void folder(ItemFields& fields) override;
    void link(ItemFields& fields) override;
    // NotFound or NoAccess when the file could not be opened, NotRecognized
    // when it is no hotlist, ReadFailed when reading it failed.
    Result result() const override;
    // Links whose address has no scheme of two or more characters.
    SkippedItems skipped() const override { return skipped_; }

private:
    void readHeader();
    // The next line into line_: the one the header left unread, or a new one.
    bool readLine();
    void readOptions(const std::string& options);
    void readRecord(ItemFields& fields, bool isLink);

    std::string path_;
    TextInput input_;
    bool recognized_ = true;
    CharsetConverter converter_;  // to UTF-8, from the ANSI code page unless the header names another
    std::string line_;
    bool pendingLine_ = false;
    // Folders opened and not yet closed: a "-" with none open is stray.
    int depth_ = 0;
    ItemFields record_;  // the record next() read, for folder() or link()
    SkippedItems skipped_;
};
