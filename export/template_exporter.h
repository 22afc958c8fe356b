#pragma once

// The template export engine: walks the bookmark tree depth first and, for
// every step of the walk, reads the body of the template's collection block
// again and writes the parts that belong to that step.
//
// The output has one encoding. A template that begins with a UTF-8 byte
// order mark is UTF-8 and writes UTF-8 (the mark is not copied; ansi and oem
// change nothing). Any other template is in the ANSI code page: its literal
// text is written as it stands, values in the ANSI code page, or the OEM
// code page after oem. A character that code page lacks is written as a
// character reference (&#N;) after html, else as "?"; in a file name always
// as "?".

#include <cstdint>
#include <string>
#include <string_view>

#include "template_keywords.h"
#include "template_reader.h"

class BookmarkNode;
class Folder;
class Progress;
class TemplateOutput;

class TemplateExporter {
public:
    // `templateBytes` must outlive the exporter; `progress`, if any, is told
    // the nodes passed now and then (of `nodes` in the tree).
    TemplateExporter(std::string_view templateBytes, const Folder& root, Progress* progress = nullptr,
                     std::uint64_t nodes = 0);
    TemplateExporter(const TemplateExporter&) = delete;
    TemplateExporter& operator=(const TemplateExporter&) = delete;

    // Expands the whole template into `out`. Ok, or TemplateMistake with the
    // code and line of the first mistake in the template; the output is then
    // incomplete. A failed write to `out` shows in out.failed().
    Result run(TemplateOutput& out);

private:
    // The text the reader reads: without the byte order mark, and a repaired
    // copy where a UTF-8 template holds invalid bytes.
    std::string_view readableText(std::string_view templateBytes);

    // One pass over the text from the top saved position, for `item` (null
    // for none) and the walk event `event` (the event's section keyword, or
    // EndOfTemplate outside the walk).
    void expand(const BookmarkNode* item, TemplateKeyword event, TemplateOutput& out);
    void walkCollection(TemplateOutput& out);
    void expandFileName(const BookmarkNode* item, TemplateOutput& out);
    void readLineBreakText();
    // A mistake or a failed write: no use going on with the walk.
    bool stopped(const TemplateOutput& out) const;

    void writeValue(TemplateKeyword keyword, const BookmarkNode* item, TemplateOutput& out);
    void writeText(std::string_view value, TemplateOutput& out);
    void writeNote(std::string_view description, TemplateOutput& out);
    void writeNumber(std::int64_t number, TemplateOutput& out);
    // UTF-8 `text` in the code page of an ANSI template's output, with
    // character references for what it lacks when `references`.
    std::string_view encoded(std::string_view text, bool references, std::string& scratch) const;
    std::string_view lineBreakText();
    bool escapesHtml() const { return html_ && !inFileName_; }

    const bool utf8Template_;
    std::string repairedText_;
    TemplateReader reader_;
    const Folder& root_;
    Progress* const progress_;
    const std::uint64_t nodes_;
    const unsigned ansiCodePage_;
    const unsigned oemCodePage_;

    std::int32_t level_ = 0;
    std::int64_t counter_ = 0;  // wider than any tree, so a template that walks the tree repeatedly cannot overflow it
    std::int64_t parentId_ = 0;
    // As the template writes it, and in UTF-8 (the same in a UTF-8 template).
    std::string lineBreakText_ = "\n";
    std::string lineBreakUtf8_ = "\n";
    // While a file name is built, values and text are collected in UTF-8.
    bool inFileName_ = false;
    bool oem_ = false;
    bool html_ = false;

    std::string escapedScratch_;
    std::string encodedScratch_;
    std::string lineBreakScratch_;
};
