#include "template_exporter.h"

#include <charconv>
#include <vector>

#include "core/address_scheme.h"
#include "core/bookmark_node.h"
#include "html_escape.h"
#include "oem_conversion.h"
#include "safe_file_name.h"
#include "template_output.h"
#include "url_export_error.h"

namespace {
bool isWebLink(const BookmarkNode* item) {
    const Link* link = item != nullptr ? item->asLink() : nullptr;
    return link != nullptr && isWebAddress(link->url);
}
}  // namespace

TemplateExporter::TemplateExporter(std::string_view templateBytes, const Folder& root)
    : reader_(templateBytes), root_(root) {}

bool TemplateExporter::stopped(const TemplateOutput& out) const { return reader_.failed() || out.failed(); }

Result TemplateExporter::run(TemplateOutput& out) {
    expand(&root_, EndOfTemplate, out);
    return reader_.result();
}

void TemplateExporter::expand(const BookmarkNode* item, TemplateKeyword event, TemplateOutput& out) {
    reader_.rewind();
    for (;;) {
        const TemplateKeyword keyword = reader_.nextKeyword(&out);
        switch (keyword) {
        case EndOfTemplate:
        case CollectionClose:
            return;
        case CollectionOpen:
            reader_.save();
            walkCollection(out);
            reader_.drop();
            break;
        case FolderOpen:
        case UrlOpen:
        case FolderStartOpen:
        case FolderEndOpen:
            // Another event's section is left out whole.
            if (keyword != event) reader_.skipTo(static_cast<TemplateKeyword>(keyword + 1), nullptr);
            break;
        case WebLinkOpen:
        case NoWebLinkOpen:
            // Only a web address may become a link that a reader of the page
            // can click: a script address there would run in their browser.
            if (isWebLink(item) != (keyword == WebLinkOpen))
                reader_.skipTo(static_cast<TemplateKeyword>(keyword + 1), nullptr);
            break;
        case FolderClose:
        case UrlClose:
        case FolderStartClose:
        case FolderEndClose:
        case LineBreakClose:
        case WebLinkClose:
        case NoWebLinkClose:
            break;
        case LineBreakOpen:
            readLineBreakText();
            break;
        case FileNameOpen:
            expandFileName(item, out);
            break;
        case FileNameClose:
            if (inFileName_) return;
            break;
        case AnsiSetting: oem_ = false; break;
        case OemSetting: oem_ = true; break;
        case HtmlSetting: html_ = true; break;
        case PlainSetting: html_ = false; break;
        default:
            writeValue(keyword, item, out);
            break;
        }
    }
}

// Depth first over the whole tree, one expansion per event. Iterative, so a
// deeply nested tree does not use the stack up.
void TemplateExporter::walkCollection(TemplateOutput& out) {
    struct OpenFolder {
        ChildPosition next;
        std::int64_t parentIdOutside;
    };
    std::vector<OpenFolder> open;

    ++level_;
    expand(nullptr, FolderStartOpen, out);
    open.push_back({root_.childrenBegin(), parentId_});
    while (!open.empty() && !stopped(out)) {
        if (open.back().next.isEnd()) {
            expand(nullptr, FolderEndOpen, out);
            --level_;
            parentId_ = open.back().parentIdOutside;
            open.pop_back();
            continue;
        }
        const BookmarkNode* child = open.back().next.node();
        ++open.back().next;
        ++counter_;
        if (const Folder* folder = child->asFolder()) {
            expand(child, FolderOpen, out);
            const std::int64_t outside = parentId_;
            parentId_ = counter_;
            ++level_;
            expand(nullptr, FolderStartOpen, out);
            open.push_back({folder->childrenBegin(), outside});
        } else {
            expand(child, UrlOpen, out);
        }
    }
}

void TemplateExporter::expandFileName(const BookmarkNode* item, TemplateOutput& out) {
    reader_.save();
    const bool wasInFileName = inFileName_, valuesWereConverted = convertValues_;
    inFileName_ = true;
    convertValues_ = false;
    std::string name;
    {
        TemplateOutput buffer(name);
        expand(item, EndOfTemplate, buffer);
    }
    reader_.drop();
    inFileName_ = wasInFileName;
    convertValues_ = valuesWereConverted;

    if (convertValues_ && oem_) convertAnsiToOem(name.data(), name.size());
    SafeFileName(name);
    // The name itself is not escaped while it is built, but once finished it
    // is text of the page like any value.
    if (escapesHtml())
        writeHtmlEscaped(name, out);
    else
        out.write(name);
}

void TemplateExporter::readLineBreakText() {
    std::string text;
    TemplateOutput buffer(text);
    reader_.skipTo(LineBreakClose, &buffer);
    lineBreakText_ = std::move(text);
}

void TemplateExporter::writeValue(TemplateKeyword keyword, const BookmarkNode* item, TemplateOutput& out) {
    switch (keyword) {
    case LinkValue:
        if (const Link* link = item != nullptr ? item->asLink() : nullptr) writeText(link->url, out);
        break;
    case TitleValue:
        if (item != nullptr) writeText(item->title, out);
        break;
    case NoteValue:
        if (item != nullptr) writeNote(item->description, out);
        break;
    case IdValue: writeNumber(counter_, out); break;
    case ParentIdValue: writeNumber(parentId_, out); break;
    case LevelValue: writeNumber(level_, out); break;
    // ASCII, which neither conversion nor escaping changes.
    case NewLineValue: out.write('\n'); break;
    case TabValue: out.write('\t'); break;
    case LeftBraceValue: out.write('{'); break;
    case RightBraceValue: out.write('}'); break;
    default: break;
    }
}

std::string_view TemplateExporter::converted(std::string_view value, std::string& scratch) const {
    if (!convertValues_ || !oem_) return value;
    scratch.assign(value);
    convertAnsiToOem(scratch.data(), scratch.size());
    return scratch;
}

void TemplateExporter::writeText(std::string_view value, TemplateOutput& out) {
    value = converted(value, valueScratch_);
    if (escapesHtml())
        writeHtmlEscaped(value, out);
    else
        out.write(value);
}

// Each CR LF, lone CR and lone LF of the description becomes the line-break
// text, which is markup of the template's own and so is never escaped.
void TemplateExporter::writeNote(std::string_view description, TemplateOutput& out) {
    const std::string_view lineBreak = converted(lineBreakText_, lineBreakScratch_);
    std::size_t start = 0;
    for (std::size_t i = 0; i < description.size(); ++i) {
        const char c = description[i];
        if (c != '\r' && c != '\n') continue;
        writeText(description.substr(start, i - start), out);
        out.write(lineBreak);
        if (c == '\r' && i + 1 < description.size() && description[i + 1] == '\n') ++i;
        start = i + 1;
    }
    writeText(description.substr(start), out);
}

void TemplateExporter::writeNumber(std::int64_t number, TemplateOutput& out) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, number);
    out.write(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}
