#pragma once

// The template export engine: walks the bookmark tree depth first and, for
// every step of the walk, reads the body of the template's collection block
// again and writes the parts that belong to that step.

#include <cstdint>
#include <string>
#include <string_view>

#include "template_keywords.h"
#include "template_reader.h"

class BookmarkNode;
class Folder;
class TemplateOutput;

class TemplateExporter {
public:
    // `templateBytes` must outlive the exporter.
    TemplateExporter(std::string_view templateBytes, const Folder& root);

    // Expands the whole template into `out`. Ok, or TemplateMistake with the
    // code and line of the first mistake in the template; the output is then
    // incomplete. A failed write to `out` shows in out.failed().
    Result run(TemplateOutput& out);

private:
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
    // The value after the ANSI or OEM conversion, when values are converted.
    std::string_view converted(std::string_view value, std::string& scratch) const;
    bool escapesHtml() const { return html_ && !inFileName_; }

    TemplateReader reader_;
    const Folder& root_;

    std::int32_t level_ = 0;
    std::int64_t counter_ = 0;  // wider than any tree, so a template that walks the tree repeatedly cannot overflow it
    std::int64_t parentId_ = 0;
    std::string lineBreakText_ = "\n";
    bool inFileName_ = false;
    bool oem_ = false;
    bool convertValues_ = true;
    bool html_ = false;

    std::string valueScratch_;
    std::string lineBreakScratch_;
};
